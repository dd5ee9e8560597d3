#include "Config.h"

#include "FileSystem.h"
#include "ProfileFile.h"

#include <optional>

namespace platform {
namespace {

constexpr std::size_t kValueBuffer = 1024;

std::string Read(std::string_view path, std::string_view key, std::string_view fallback) {
    std::string value =
        GetPrivateProfileString(Config::kSection, key, fallback, kValueBuffer, path);
    return value.empty() ? std::string(fallback) : value;
}

std::string WithoutTrailingSlash(std::string url) {
    while (!url.empty() && url.back() == '/')
        url.pop_back();
    return url;
}

}  // namespace

namespace {
std::optional<Config>& Current() {
    static std::optional<Config> config;
    return config;
}
}  // namespace

const Config& Config::Instance() {
    auto& config = Current();
    if (!config)
        config.emplace(ExecutableFolder() + kFileName);
    return *config;
}

void Config::ReplaceForTesting(const Config& config) {
    Current() = config;
}

Config::Config(std::string_view profilePath)
    : m_webSite(WithoutTrailingSlash(Read(profilePath, "WebSite", "http://www.lalora.example"))),
      m_webServer(WithoutTrailingSlash(Read(profilePath, "WebServer", "http://bb.lalora.example"))),
      m_downloadServer(
          WithoutTrailingSlash(Read(profilePath, "DownloadServer", "http://down.lalora.example"))),
      m_makerAddress(Read(profilePath, "MakerAddress", "www.lalora.example")),
      m_dataFolder(Read(profilePath, "DataFolder", "")) {
    if (m_dataFolder.empty())
        m_dataFolder = ExecutableFolder();
    else if (m_dataFolder.back() != '/')
        m_dataFolder += '/';
}

}  // namespace platform
