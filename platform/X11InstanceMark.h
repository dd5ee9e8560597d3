#pragma once
// Finding a window of another process by a property it carries: the
// single-instance mark. Works on the X11 display of this process; on any other
// platform nothing is ever found.
#include <string_view>

namespace platform {

// Sets a 32-bit property on an X window (a no-op off X11).
void SetX11Property(unsigned long window, std::string_view name, long value);

// The first top-level window of the display whose property `name` holds
// `value`, or 0.
unsigned long FindTopLevelWindowWithProperty(std::string_view name, long value);

// Maps and raises the window, restoring it when it is minimised, and asks the
// window manager to activate it.
void ActivateX11Window(unsigned long window);

}  // namespace platform
