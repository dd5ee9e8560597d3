#include "QocodeApp.h"

#include "platform/Gbk.h"

#include <string_view>

namespace {

bool KeptInPath(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    return std::string_view("-._~/!$&'()*+,;=:@").find(static_cast<char>(c)) !=
           std::string_view::npos;
}

void AppendEscaped(std::string& out, unsigned char c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += '%';
    out += kHex[c >> 4];
    out += kHex[c & 0xF];
}

// "." and ".." segments would be resolved away by the client or the server.
bool IsDotSegment(std::string_view segment) {
    return segment == "." || segment == "..";
}

}  // namespace

std::string CQocodeApp::PathEncode(std::string path) const {
    return platform::GbkToUtf8(path);
}

std::string CQocodeApp::EncodeAddress(std::string address) const {
    std::size_t pathStart = 0;
    if (auto scheme = address.find("://"); scheme != std::string::npos) {
        pathStart = address.find('/', scheme + 3);
        if (pathStart == std::string::npos)
            return address;
    }
    std::string out = address.substr(0, pathStart);
    std::string_view path = std::string_view(address).substr(pathStart);
    while (!path.empty()) {
        const auto slash = path.find('/', 1);
        std::string_view segment = path.substr(0, slash);
        const bool leadingSlash = !segment.empty() && segment.front() == '/';
        if (leadingSlash) {
            out += '/';
            segment.remove_prefix(1);
        }
        const bool dots = IsDotSegment(segment);
        for (unsigned char c : segment) {
            if (KeptInPath(c) && !(dots && c == '.'))
                out += static_cast<char>(c);
            else
                AppendEscaped(out, c);
        }
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash);
    }
    return out;
}
