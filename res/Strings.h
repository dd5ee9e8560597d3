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

// Main window.
inline constexpr const char* kMainWindowText = "Lalora-Vantri";
inline constexpr const char* kMainCaption = " Lalora";  // drawn by the skin, blank included
inline constexpr const char* kStatusTextFormat = "现在有 %d 位宝宝在乐园";
inline constexpr const char* kTrayTip = "Lalora";
inline constexpr const char* kCloseQuestion = "您确定要退出Lalora吗？";

// The menu button's pop-up.
inline constexpr const char* kMenuSettings = "设置";
inline constexpr const char* kMenuHomepage = "Lalora官网";
inline constexpr const char* kMenuAbout = "关于我们";

// Player panel status line.
inline constexpr const char* kPlayerPreparing = "正在准备，请稍等...  ";
inline constexpr const char* kPlayerWatchingFormat = "您在看：%s(%d/%d)";

}  // namespace res
