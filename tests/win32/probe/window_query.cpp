#include "win32/probe/window_query.h"

#include <algorithm>

namespace kakipo::probe {

namespace {

BOOL CALLBACK collect(HWND w, LPARAM out) {
  reinterpret_cast<std::vector<HWND>*>(out)->push_back(w);
  return TRUE;
}

}  // namespace

void pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

std::wstring windowText(HWND h) {
  if (!(GetWindowLongW(h, GWL_STYLE) & WS_CHILD)) {
    std::wstring buf(4096, L'\0');
    buf.resize(static_cast<std::size_t>(GetWindowTextW(h, buf.data(), static_cast<int>(buf.size()))));
    return buf;
  }
  const auto n = SendMessageW(h, WM_GETTEXTLENGTH, 0, 0);
  std::wstring buf(static_cast<std::size_t>(std::max<LRESULT>(n, 0)) + 1, L'\0');
  const auto got = SendMessageW(h, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()));
  buf.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
  return buf;
}

std::wstring className(HWND h) {
  wchar_t buf[128] = {};
  GetClassNameW(h, buf, 128);
  return buf;
}

RECT windowRect(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return r;
}

DWORD windowProcess(HWND h) {
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  return pid;
}

std::vector<HWND> topLevelWindows() {
  std::vector<HWND> all;
  EnumWindows(collect, reinterpret_cast<LPARAM>(&all));
  return all;
}

std::vector<HWND> childWindows(HWND parent) {
  std::vector<HWND> all;
  EnumChildWindows(parent, collect, reinterpret_cast<LPARAM>(&all));
  return all;
}

}  // namespace kakipo::probe
