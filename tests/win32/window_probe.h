// What Wine tests read off real windows, and letting queued messages run as the message loop would.
#pragma once
#include <windows.h>

#include <string>

namespace kakipo::test {

inline void pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

inline std::wstring windowText(HWND h) {
  const int len = GetWindowTextLengthW(h);
  std::wstring text(static_cast<std::size_t>(len) + 1, L'\0');
  GetWindowTextW(h, text.data(), len + 1);
  text.resize(static_cast<std::size_t>(len));
  return text;
}

inline RECT windowRect(HWND h) {
  RECT r;
  GetWindowRect(h, &r);
  return r;
}

inline RECT clientRect(HWND h) {
  RECT r;
  GetClientRect(h, &r);
  return r;
}

}  // namespace kakipo::test
