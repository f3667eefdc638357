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

// A plain top-level window to hold a control, as the main window would.
inline HWND makeHost() {
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KakipoTestHost";
    return RegisterClassW(&wc);
  }();
  (void)atom;
  return CreateWindowExW(0, L"KakipoTestHost", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
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

namespace kakipo::test {

// Answers the next message box this thread shows, as a user would, and remembers what it said.
// The box is modal, so the answer comes from a timer that its own message loop runs.
struct BoxAnswerer {
  static inline int button = IDOK;
  static inline std::wstring caption;
  static inline std::wstring text;
  static inline int answered = 0;

  static void arm(int answer) {
    button = answer;
    SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
      HWND box = nullptr;
      for (HWND h = FindWindowW(L"#32770", nullptr); h; h = FindWindowExW(nullptr, h, L"#32770", nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        if (pid == GetCurrentProcessId() && IsWindowVisible(h)) box = h;
      }
      if (!box) return;
      KillTimer(nullptr, id);
      caption = windowText(box);
      HWND label = GetDlgItem(box, 0xFFFF);
      text = label ? windowText(label) : L"";
      ++answered;
      PostMessageW(box, WM_COMMAND, button, 0);
    });
  }
};

}  // namespace kakipo::test
