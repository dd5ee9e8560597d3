#pragma once
// Window calls on Qt widgets in the vocabulary the program's windows use:
// ShowWindow codes, MoveWindow, window rectangles, the work area, window
// properties, the shell's "open" and the quit message.
#include <QRect>

#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace platform {

enum ShowWindowCode : int {
    SW_HIDE = 0,
    SW_SHOWNORMAL = 1,
    SW_SHOWMINIMIZED = 2,
    SW_SHOWMAXIMIZED = 3,
    SW_SHOW = 5,
    SW_MINIMIZE = 6,
    SW_RESTORE = 9,
};

void ShowWindow(QWidget* window, int code);
bool IsIconic(const QWidget* window);
// x, y in the parent's client coordinates (screen coordinates for a top level).
void MoveWindow(QWidget* window, int x, int y, int width, int height);
// Screen coordinates of the whole window.
QRect GetWindowRect(const QWidget* window);
// Brings the window to the front and gives it the keyboard focus.
void SetForegroundWindow(QWidget* window);
// The usable part of the screen the window is on (the primary one without a window).
QRect WorkArea(const QWidget* window = nullptr);

// Window properties. On an X11 display a property of a top-level window is
// also stored on its X window, so other processes can find it.
void SetProp(QWidget* window, std::string_view name, long value);
long GetProp(const QWidget* window, std::string_view name);

// Opens an address with the user's programs; only http, https and mailto
// addresses are handed on, anything else is dropped. A test hook sees every
// address that would be opened.
using ShellOpenHook = std::function<void(const std::string& url)>;
void SetShellOpenHook(ShellOpenHook hook);
bool ShellOpen(std::string_view url);

// Ends every running modal loop, as the quit message does, once control
// returns to the event loop.
void PostQuitMessage(int exitCode);

}  // namespace platform
