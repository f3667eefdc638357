#include "win32/dpi.h"

#include "win32/handles.h"

namespace kakipo::win32 {

namespace {

// Looked up at run time: the program also runs on systems older than these calls.
template <class F>
F user32Call(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

using DpiForWindow = UINT(WINAPI*)(HWND);
using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

}  // namespace

int systemDpi() {
  const ScreenDc screen;
  return screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : designDpi;
}

int dpiOf(HWND window) {
  static const auto forWindow = user32Call<DpiForWindow>("GetDpiForWindow");
  const int dpi = forWindow && window ? static_cast<int>(forWindow(window)) : 0;
  return dpi > 0 ? dpi : systemDpi();
}

SIZE outerSize(int width, int height, DWORD style, DWORD exStyle, int dpi) {
  static const auto adjustForDpi = user32Call<AdjustForDpi>("AdjustWindowRectExForDpi");
  RECT r{0, 0, width, height};
  if (!adjustForDpi || !adjustForDpi(&r, style, FALSE, exStyle, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace kakipo::win32
