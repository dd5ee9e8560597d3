#pragma once
// The program's user-visible texts (GBK), each stated once.
#include "platform/Config.h"

#include <string>

namespace res {

inline constexpr const char* kTitleVantri = "Vantri.Lalora";
inline constexpr const char* kTitleLalora = "Lalora";

// The two data-fault texts: a fixed start, the maker's web address, "解决！".
inline std::string Code1001Text() {
    return std::string("CODE:1001，程序被损坏，请联系") + platform::Config::Instance().MakerAddress() +
           "解决！";
}
inline std::string Code1002Text() {
    return std::string("CODE:1002，程序数据被损坏，请联系") +
           platform::Config::Instance().MakerAddress() + "解决！";
}

}  // namespace res
