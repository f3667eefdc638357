// Typed calls on a rebar (the cool bar): one inline function per message.
#pragma once
#include <windows.h>
#include <commctrl.h>

namespace kakipo::win32::rb {

// Inserts a band before the one at index; -1 appends.
inline void insertBand(HWND h, int index, const REBARBANDINFOW& band) {
  SendMessageW(h, RB_INSERTBANDW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&band));
}
// Changes the band at index as far as band.fMask says.
inline void setBand(HWND h, int index, const REBARBANDINFOW& band) {
  SendMessageW(h, RB_SETBANDINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&band));
}
inline void deleteBand(HWND h, int index) { SendMessageW(h, RB_DELETEBAND, index, 0); }
inline void showBand(HWND h, int index, bool shown) { SendMessageW(h, RB_SHOWBAND, index, shown); }
// The index of the band with the given id, or -1.
inline int indexOf(HWND h, UINT id) { return static_cast<int>(SendMessageW(h, RB_IDTOINDEX, id, 0)); }
// Fits the bar to its parent's new size.
inline void fit(HWND h) { SendMessageW(h, WM_SIZE, 0, 0); }

}  // namespace kakipo::win32::rb
