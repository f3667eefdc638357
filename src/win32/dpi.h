// The dots per inch a window is shown at, and the outer size of a window for a client size at a
// given resolution. Windows 10 says per window; older systems use the screen's for every window.
#pragma once
#include <windows.h>

#include "core/display_scale.h"

namespace kakipo::win32 {

// The screen's resolution, which a window takes until it is on a display with another.
int systemDpi();
// The resolution of the display the window is on.
int dpiOf(HWND window);
// The outer size of a window of this style whose client area is width x height, at dpi.
SIZE outerSize(int width, int height, DWORD style, DWORD exStyle, int dpi);

}  // namespace kakipo::win32
