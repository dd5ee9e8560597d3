#pragma once
#include <string>
#include <string_view>

namespace platform {

// Whether an entry (file or folder) stands at exactly this program path; no
// wildcards are expanded, unlike a pattern search.
bool FindFile(std::string_view path);

// The running executable's folder (program path, trailing '/') and its base
// name without folder and extension.
std::string ExecutableFolder();
std::string ExecutableBaseName();

// Gives unused heap pages back to the system.
void TrimWorkingSet();

}  // namespace platform
