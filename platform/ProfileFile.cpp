#include "ProfileFile.h"

#include "Gbk.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\f\v";

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

std::vector<std::string> ReadLines(std::string_view path) {
    std::vector<std::string> lines;
    std::ifstream in(FsPath(path), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

// "[name]" → name; anything else → nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> SplitKey(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return KeyLine{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::size_t bufferSize,
                                    std::string_view path) {
    std::optional<std::string> found;
    bool inSection = false;
    for (const auto& line : ReadLines(path)) {
        if (auto name = SectionName(line)) {
            if (inSection)
                break;
            inSection = EqualsNoCase(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (auto kv = SplitKey(line); kv && EqualsNoCase(kv->key, key)) {
            found = std::string(Unquote(kv->value));
            break;
        }
    }
    std::string value = found ? *found : std::string(defaultValue);
    if (bufferSize == 0)
        return {};
    if (value.size() > bufferSize - 1)
        value.resize(bufferSize - 1);
    return value;
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, std::string_view path) {
    std::vector<std::string> lines = ReadLines(path);
    const std::string entry = std::string(key) + "=" + std::string(value);

    std::optional<std::size_t> sectionLine;
    std::optional<std::size_t> insertAt;
    bool written = false;
    for (std::size_t i = 0; i < lines.size() && !written; ++i) {
        if (auto name = SectionName(lines[i])) {
            if (sectionLine)
                break;
            if (EqualsNoCase(*name, section)) {
                sectionLine = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (!sectionLine)
            continue;
        if (auto kv = SplitKey(lines[i]); kv && EqualsNoCase(kv->key, key)) {
            lines[i] = entry;
            written = true;
        } else if (!Trim(lines[i]).empty()) {
            insertAt = i + 1;
        }
    }
    if (!written) {
        if (sectionLine) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*insertAt), entry);
        } else {
            lines.push_back("[" + std::string(section) + "]");
            lines.push_back(entry);
        }
    }

    std::ostringstream text;
    for (const auto& line : lines)
        text << line << "\r\n";

    const std::filesystem::path target = FsPath(path);
    std::filesystem::path temp = target;
    temp += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text.str();
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

}  // namespace platform
