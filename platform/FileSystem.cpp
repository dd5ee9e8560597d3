#include "FileSystem.h"

#include "Gbk.h"

#include <malloc.h>

#include <filesystem>
#include <system_error>

namespace platform {
namespace {

std::filesystem::path ExecutablePath() {
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : path;
}

}  // namespace

bool FindFile(std::string_view path) {
    if (path.empty())
        return false;
    std::error_code ec;
    return std::filesystem::exists(FsPath(path), ec);
}

std::string ExecutableFolder() {
    std::string folder = GbkPath(ExecutablePath().parent_path());
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string ExecutableBaseName() {
    return GbkPath(ExecutablePath().stem());
}

void TrimWorkingSet() {
    ::malloc_trim(0);
}

}  // namespace platform
