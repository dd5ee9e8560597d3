#pragma once
// Helpers shared by the tests: scratch folders, waiting on conditions.
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace testsupport {

// A fresh folder removed again at the end of the test.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The folder as a program (GBK) path with a trailing '/'.
    std::string ProgramPath() const;

private:
    std::filesystem::path m_path;
};

// Processes Qt events until `condition` holds or `timeout` passes.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::seconds(10));

void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& path);

}  // namespace testsupport
