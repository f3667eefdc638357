// Typed calls on a toolbar: one inline function per message.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <vector>

namespace kakipo::win32::tb {

inline void setImages(HWND h, HIMAGELIST images, int size) {
  SendMessageW(h, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
  SendMessageW(h, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
}
inline void addButtons(HWND h, const std::vector<TBBUTTON>& buttons) {
  SendMessageW(h, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(h, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}
inline void setButtonSize(HWND h, int size) { SendMessageW(h, TB_SETBUTTONSIZE, 0, MAKELPARAM(size, size)); }
inline void autosize(HWND h) { SendMessageW(h, TB_AUTOSIZE, 0, 0); }
inline SIZE maxSize(HWND h) {
  SIZE size{};
  SendMessageW(h, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
  return size;
}
inline bool checked(HWND h, int command) { return SendMessageW(h, TB_ISBUTTONCHECKED, command, 0) != 0; }

}  // namespace kakipo::win32::tb
