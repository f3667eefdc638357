#include "win32/count_window.h"

#include "core/errors.h"
#include "editing/count_layout.h"
#include "editing/count_texts.h"
#include "win32/dpi.h"
#include "win32/encoding.h"
#include "win32/ui_resources.h"

namespace kakipo::win32 {

namespace {

constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD exStyle = WS_EX_TOOLWINDOW;

HWND label(HWND parent, const std::string& text, DWORD align, const Rect& at, HFONT font) {
  HWND h = CreateWindowExW(0, L"STATIC", widen(text).c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX | align, at.left,
                           at.top, at.width, at.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  setFont(h, font);
  return h;
}

// A label's text, written only when it differs: rewriting a static repaints it, and the counts
// arrive at every tick that changes any of them.
void setText(HWND h, const std::string& text) {
  const std::wstring wide = widen(text);
  if (windowText(h) != wide) SetWindowTextW(h, wide.c_str());
}

}  // namespace

void CountWindow::openCountWindow() {
  if (hwnd()) return;
  px_ = Scale(dpiOf(owner_));
  const SIZE outer = outerSize(px_(countlayout::clientWidth), px_(countlayout::clientHeight), style, exStyle,
                               px_.dpi());
  RECT o;
  GetWindowRect(owner_, &o);
  MONITORINFO monitor{sizeof monitor};
  GetMonitorInfoW(MonitorFromWindow(owner_, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& w = monitor.rcWork;
  const Rect at = countlayout::besideOwner({o.left, o.top, o.right - o.left, o.bottom - o.top}, outer.cx, outer.cy,
                                           {w.left, w.top, w.right - w.left, w.bottom - w.top});
  if (!create(exStyle, widen(texts::countWindowCaption).c_str(), style, at.left, at.top, at.width, at.height, owner_))
    throw Error(texts::countWindowNotCreated);
  createControls();
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
}

void CountWindow::createControls() {
  font_ = uiFont(px_(formFontPixels));
  const HFONT font = font_.get();
  scope_ = label(hwnd(), "", SS_LEFT, px_(countlayout::scope), font);
  for (int row = 0; row < 5; ++row) {
    label(hwnd(), texts::countLabels[static_cast<std::size_t>(row)], SS_LEFT, px_(countlayout::label(row)), font);
    values_[static_cast<std::size_t>(row)] = label(hwnd(), "", SS_RIGHT, px_(countlayout::value(row)), font);
  }
}

void CountWindow::closeCountWindow() {
  if (hwnd()) DestroyWindow(hwnd());
}

void CountWindow::showCounts(const CountWindowTexts& texts) {
  if (!hwnd()) return;
  setText(scope_, texts.scope);
  for (std::size_t row = 0; row < values_.size(); ++row) setText(values_[row], texts.values[row]);
}

LRESULT CountWindow::handle(UINT msg, WPARAM w, LPARAM l) {
  switch (msg) {
    case WM_KEYDOWN:
      if (w == VK_ESCAPE) {
        DestroyWindow(hwnd());
        return 0;
      }
      break;
    case WM_NCDESTROY:
      scope_ = nullptr;
      values_.fill(nullptr);
      font_.reset();
      break;
    default:
      break;
  }
  return defaultHandling(msg, w, l);
}

}  // namespace kakipo::win32
