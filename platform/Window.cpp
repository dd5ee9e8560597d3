#include "Window.h"

#include "Gbk.h"
#include "ModalLoops.h"
#include "X11InstanceMark.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMetaObject>
#include <QScreen>
#include <QUrl>
#include <QVariant>
#include <QWidget>

namespace platform {
namespace {

ShellOpenHook& OpenHook() {
    static ShellOpenHook hook;
    return hook;
}

QByteArray PropertyName(std::string_view name) {
    return QByteArray("lalora_prop_") + QByteArray(name.data(), static_cast<int>(name.size()));
}

bool IsOpenableScheme(std::string_view url) {
    const QString scheme = QUrl(GbkToQString(url)).scheme()
                               .toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto");
}

}  // namespace

void ShowWindow(QWidget* window, int code) {
    if (!window)
        return;
    switch (code) {
    case SW_HIDE: window->hide(); break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        if (window->isWindow())
            window->showMinimized();
        break;
    case SW_SHOWMAXIMIZED:
        if (window->isWindow())
            window->showMaximized();
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        if (window->isWindow())
            window->setWindowState(window->windowState() &
                                   ~(Qt::WindowMinimized | Qt::WindowMaximized));
        window->show();
        break;
    default: window->show(); break;
    }
}

bool IsIconic(const QWidget* window) {
    return window && window->isMinimized();
}

void MoveWindow(QWidget* window, int x, int y, int width, int height) {
    if (window)
        window->setGeometry(x, y, width, height);
}

QRect GetWindowRect(const QWidget* window) {
    if (!window)
        return {};
    if (window->isWindow())
        return window->frameGeometry();
    return QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
}

void SetForegroundWindow(QWidget* window) {
    if (!window)
        return;
    window->raise();
    window->activateWindow();
}

QRect WorkArea(const QWidget* window) {
    QScreen* screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void SetProp(QWidget* window, std::string_view name, long value) {
    if (!window)
        return;
    window->setProperty(PropertyName(name).constData(), QVariant::fromValue<qlonglong>(value));
    if (window->isWindow())
        SetX11Property(window->winId(), name, value);
}

long GetProp(const QWidget* window, std::string_view name) {
    if (!window)
        return 0;
    return static_cast<long>(window->property(PropertyName(name).constData()).toLongLong());
}

void SetShellOpenHook(ShellOpenHook hook) {
    OpenHook() = std::move(hook);
}

bool ShellOpen(std::string_view url) {
    if (!IsOpenableScheme(url))
        return false;
    if (OpenHook()) {
        OpenHook()(std::string(url));
        return true;
    }
    return QDesktopServices::openUrl(QUrl(GbkToQString(url)));
}

void PostQuitMessage(int exitCode) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [exitCode] { EndAllModalLoops(exitCode); },
        Qt::QueuedConnection);
}

}  // namespace platform
