#include "NotifyIcon.h"

#include "Gbk.h"

#include <QSystemTrayIcon>
#include <QWidget>

#include <cstring>
#include <map>
#include <memory>
#include <utility>

namespace platform {
namespace {

using IconKey = std::pair<const QWidget*, unsigned>;

std::map<IconKey, std::unique_ptr<QSystemTrayIcon>>& Icons() {
    static std::map<IconKey, std::unique_ptr<QSystemTrayIcon>> icons;
    return icons;
}

unsigned MouseMessageOf(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::DoubleClick: return WM_LBUTTONDBLCLK;
    case QSystemTrayIcon::Context: return WM_RBUTTONUP;
    case QSystemTrayIcon::MiddleClick: return WM_MBUTTONUP;
    default: return WM_LBUTTONUP;
    }
}

bool Add(const NotifyIconData& data) {
    const IconKey key{data.hWnd, data.uID};
    if (!data.hWnd || Icons().count(key) || !QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    auto icon = std::make_unique<QSystemTrayIcon>();
    if (data.uFlags & NIF_ICON)
        icon->setIcon(data.hIcon);
    if (data.uFlags & NIF_TIP)
        icon->setToolTip(GbkToQString(std::string_view(data.szTip, strnlen(data.szTip, sizeof data.szTip))));
    if (data.uFlags & NIF_MESSAGE) {
        auto* sink = dynamic_cast<NotifyIconSink*>(data.hWnd);
        const unsigned message = data.uCallbackMessage, id = data.uID;
        QObject::connect(icon.get(), &QSystemTrayIcon::activated, data.hWnd,
                         [sink, message, id](QSystemTrayIcon::ActivationReason reason) {
                             if (sink)
                                 sink->OnNotifyIconMessage(message, id, MouseMessageOf(reason));
                         });
    }
    icon->show();
    Icons()[key] = std::move(icon);
    return true;
}

}  // namespace

bool Shell_NotifyIcon(int message, const NotifyIconData& data) {
    switch (message) {
    case NIM_ADD: return Add(data);
    case NIM_DELETE: return Icons().erase({data.hWnd, data.uID}) > 0;
    default: return false;
    }
}

}  // namespace platform
