#pragma once
// The program keeps its strings as GBK bytes (GB18030 on conversion, a strict
// superset, so every Unicode file name survives a round trip). These are the
// only conversions between that code page and the rest of the system.
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Undecodable bytes become U+FFFD.
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);
QString GbkToQString(std::string_view gbk);
std::string QStringToGbk(const QString& text);

// A program path (GBK) as the file system sees it, and back.
std::filesystem::path FsPath(std::string_view gbkPath);
std::string GbkPath(const std::filesystem::path& path);

}  // namespace platform
