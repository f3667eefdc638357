// What every window of the program looks the same with: the forms' font, the program icon, and a
// colour value as GDI draws it.
#pragma once
#include <windows.h>

#include "core/colour.h"
#include "win32/handles.h"

namespace kakipo::win32 {

// The forms' own font (the main window's bars, the progress dialog, the about box) in pixels.
inline constexpr int formFontPixels = 12;

// "ＭＳ Ｐゴシック" at the given pixel height, Shift_JIS character set. Null when the system has no
// font to give, in which case controls keep their own.
UniqueFont uiFont(int pixelHeight = formFontPixels);
// Gives a window a font; it does not take ownership.
inline void setFont(HWND window, HFONT font) {
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// The program icon (icon 1 of the executable's resources) at the given size, or the system's
// application icon. Shared: the system keeps it, nobody destroys it.
HICON programIcon(int size);

// The platform's colour for a colour value: system colours resolved, RGB passed through.
COLORREF toColorRef(Colour c);

}  // namespace kakipo::win32
