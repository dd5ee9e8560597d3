#include "X11InstanceMark.h"

#include <QGuiApplication>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <string>

namespace platform {
namespace {

int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;  // a window may vanish while we look at it
}

// Our own connection to the display Qt uses; it stays open for the process.
Display* X11Display() {
    static Display* display = [] () -> Display* {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return nullptr;
        Display* d = XOpenDisplay(nullptr);
        if (d)
            XSetErrorHandler(IgnoreXErrors);
        return d;
    }();
    return display;
}

bool HasValue(Display* display, Window window, Atom property, long value) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const int rc = XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type,
                                      &format, &count, &after, &data);
    const bool match = rc == Success && type == XA_CARDINAL && format == 32 && count == 1 &&
                       *reinterpret_cast<long*>(data) == value;
    if (data)
        XFree(data);
    return match;
}

// Searches `parent`'s children, and with `depth` > 0 theirs too (a reparenting
// window manager puts each top-level window into a frame of its own).
Window FindChild(Display* display, Window parent, Atom property, long value, int depth) {
    Window root = 0, ignored = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &ignored, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i)
        if (HasValue(display, children[i], property, value))
            found = children[i];
    for (unsigned int i = 0; i < count && !found && depth > 0; ++i)
        found = FindChild(display, children[i], property, value, depth - 1);
    if (children)
        XFree(children);
    return found;
}

}  // namespace

void SetX11Property(unsigned long window, std::string_view name, long value) {
    Display* display = X11Display();
    if (!display || !window)
        return;
    const Atom property = XInternAtom(display, std::string(name).c_str(), False);
    XChangeProperty(display, window, property, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&value), 1);
    XFlush(display);
}

unsigned long FindTopLevelWindowWithProperty(std::string_view name, long value) {
    Display* display = X11Display();
    if (!display)
        return 0;
    // An atom nobody has interned cannot be on any window.
    const Atom property = XInternAtom(display, std::string(name).c_str(), True);
    if (property == None)
        return 0;
    return FindChild(display, DefaultRootWindow(display), property, value, 1);
}

void ActivateX11Window(unsigned long window) {
    Display* display = X11Display();
    if (!display || !window)
        return;
    // Mapping a minimised (iconic) window is the ICCCM request to restore it.
    XMapRaised(display, window);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;  // from a pager: the user asked for it
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

}  // namespace platform
