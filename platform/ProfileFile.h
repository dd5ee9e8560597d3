#pragma once
// Windows-style profile (INI) files: "[section]" lines, then "key=value" lines.
// Section and key names compare case-insensitively (ASCII), values are trimmed
// and one pair of enclosing quotes is dropped; bytes are kept as they are, so
// GBK text passes through untouched. Paths are program (GBK) paths.
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The value, or `defaultValue` when the file, section or key is missing; cut to
// `bufferSize` − 1 bytes like a caller's fixed buffer.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::size_t bufferSize,
                                    std::string_view path);

// Sets the value, creating the file and the section when they are missing and
// keeping every other line. The file is replaced atomically.
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, std::string_view path);

}  // namespace platform
