// Typed calls on the progress dialog's two controls, the animation and the progress bar.
#pragma once
#include <windows.h>
#include <commctrl.h>

namespace kakipo::win32 {

namespace anim {
// Opens the "AVI" resource of module; false when it has none of that name.
inline bool open(HWND h, HMODULE module, const wchar_t* resource) {
  return SendMessageW(h, ACM_OPENW, reinterpret_cast<WPARAM>(module), reinterpret_cast<LPARAM>(resource)) != 0;
}
// Plays the clip from its first frame to its last, over and over.
inline void playForever(HWND h) { SendMessageW(h, ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, 0xFFFF)); }
}  // namespace anim

namespace pb {
inline void setRange(HWND h, int minimum, int maximum) { SendMessageW(h, PBM_SETRANGE32, minimum, maximum); }
inline void setPosition(HWND h, int position) { SendMessageW(h, PBM_SETPOS, position, 0); }
}  // namespace pb

}  // namespace kakipo::win32
