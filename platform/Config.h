#pragma once
// Every configuration value of the program, read once from "Lalora.ini" beside
// the executable (section "Lalora"), with built-in defaults.
#include <string>
#include <string_view>

namespace platform {

class Config {
public:
    static constexpr const char* kFileName = "Lalora.ini";
    static constexpr const char* kSection = "Lalora";

    // The program's configuration, loaded on first use.
    static const Config& Instance();
    // Lets a test run the program's code against its own servers and folders.
    static void ReplaceForTesting(const Config& config);

    // Values from the given profile file (missing keys keep their defaults).
    explicit Config(std::string_view profilePath);

    const std::string& WebSite() const { return m_webSite; }          // serves "/ada.html"
    const std::string& WebServer() const { return m_webServer; }      // the program's pages
    const std::string& DownloadServer() const { return m_downloadServer; }
    const std::string& MakerAddress() const { return m_makerAddress; }  // shown in data-fault texts
    const std::string& DataFolder() const { return m_dataFolder; }    // catalogue folder, '/'-terminated

private:
    std::string m_webSite;
    std::string m_webServer;
    std::string m_downloadServer;
    std::string m_makerAddress;
    std::string m_dataFolder;
};

}  // namespace platform
