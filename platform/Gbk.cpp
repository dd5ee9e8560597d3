#include "Gbk.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace platform {
namespace {

constexpr const char* kProgramCodePage = "GB18030";

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between GB18030 and UTF-8");
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input; an invalid input byte is replaced by `invalid`
    // and skipped.
    std::string Run(std::string_view in, std::string_view invalid) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.reserve(in.size() * 3 / 2 + 4);
        char buffer[1024];
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        while (srcLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (rc != static_cast<size_t>(-1))
                continue;
            if (errno == E2BIG)
                continue;
            // EILSEQ or a truncated sequence at the end (EINVAL).
            out.append(invalid);
            ++src;
            --srcLeft;
        }
        return out;
    }

private:
    iconv_t m_cd;
};

Converter& ToUtf8() {
    thread_local Converter c("UTF-8", kProgramCodePage);
    return c;
}
Converter& FromUtf8() {
    thread_local Converter c(kProgramCodePage, "UTF-8");
    return c;
}

bool IsAscii(std::string_view s) {
    for (unsigned char ch : s)
        if (ch >= 0x80)
            return false;
    return true;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
    if (IsAscii(gbk))
        return std::string(gbk);
    return ToUtf8().Run(gbk, "\xEF\xBF\xBD");
}

std::string Utf8ToGbk(std::string_view utf8) {
    if (IsAscii(utf8))
        return std::string(utf8);
    return FromUtf8().Run(utf8, "?");
}

QString GbkToQString(std::string_view gbk) {
    return QString::fromStdString(GbkToUtf8(gbk));
}

std::string QStringToGbk(const QString& text) {
    return Utf8ToGbk(text.toStdString());
}

std::filesystem::path FsPath(std::string_view gbkPath) {
    return std::filesystem::path(GbkToUtf8(gbkPath));
}

std::string GbkPath(const std::filesystem::path& path) {
    return Utf8ToGbk(path.string());
}

}  // namespace platform
