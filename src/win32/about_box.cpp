#include "win32/about_box.h"

#include "help/about_layout.h"
#include "help/help_texts.h"
#include "help/help_windows.h"
#include "win32/dpi.h"
#include "win32/encoding.h"
#include "win32/ui_resources.h"

namespace kakipo::win32 {

namespace {

AboutBoxWindow* current = nullptr;

// A rectangle of the panel's inside, on the box.
constexpr Rect inPanel(const Rect& r) {
  return {aboutlayout::panel.left + r.left, aboutlayout::panel.top + r.top, r.width, r.height};
}

HWND child(HWND parent, const wchar_t* cls, const std::string& text, DWORD style, const Rect& at, int id,
           HFONT font) {
  HWND hwnd = CreateWindowExW(0, cls, widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, at.left, at.top, at.width,
                              at.height, parent, childId(id), GetModuleHandleW(nullptr), nullptr);
  setFont(hwnd, font);
  return hwnd;
}

}  // namespace

AboutBoxWindow* AboutBoxWindow::instance() { return current; }

int AboutBoxWindow::show(HWND owner, HICON icon) {
  // Owned by its window from here: a window that got as far as WM_NCCREATE releases it at
  // WM_NCDESTROY, whatever happens after.
  auto* box = new AboutBoxWindow;
  current = box;
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  // Sized for the display of the window it belongs to.
  box->px_ = Scale(owner ? dpiOf(owner) : systemDpi());
  const auto& px = box->px_;
  const SIZE outer =
      outerSize(px(aboutlayout::clientWidth), px(aboutlayout::clientHeight), style, exStyle, px.dpi());
  const int x = (GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2;
  if (!box->create(exStyle, widen(texts::aboutCaption).c_str(), style, x, y, outer.cx, outer.cy, owner)) {
    if (current == box) {
      current = nullptr;
      delete box;
    }
    return aboutresult::cancel;
  }
  box->createControls(icon ? icon : programIcon(px(aboutlayout::icon.width)));

  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(box->hwnd(), SW_SHOW);
  SetFocus(box->okButton_);

  MSG msg;
  bool quit = false;
  WPARAM quitCode = 0;
  while (!box->done_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: leave the box as if cancelled and let the outer loop see the quit.
      quit = got == 0;
      quitCode = msg.wParam;
      box->result_ = aboutresult::cancel;
      break;
    }
    if (!IsDialogMessageW(box->hwnd(), &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // The owner is enabled again before the box goes, so that it, not some other program, becomes
  // the active window.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  const int result = box->result_;
  DestroyWindow(box->hwnd());  // WM_NCDESTROY releases the object
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
  return result;
}

void AboutBoxWindow::createControls(HICON icon) {
  namespace at = aboutlayout;
  const auto& px = px_;
  font_ = uiFont(px(formFontPixels));
  const HFONT font = font_.get();
  setFont(hwnd(), font);
  // Creation order is the tab order: OKButton, Button1, then Panel1 and what it holds.
  okButton_ =
      child(hwnd(), L"BUTTON", texts::aboutHelpButton, WS_TABSTOP | BS_DEFPUSHBUTTON, px(at::okButton), IDOK, font);
  button1_ = child(hwnd(), L"BUTTON", texts::aboutCancelButton, WS_TABSTOP | BS_PUSHBUTTON, px(at::cancelButton),
                   IDCANCEL, font);
  const HWND picture = child(hwnd(), L"STATIC", "", SS_ICON, px(inPanel(at::icon)), -1, font);
  SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);  // the static's one message
  child(hwnd(), L"STATIC", texts::productName, SS_LEFT, px(inPanel(at::productName)), -1, font);
  child(hwnd(), L"STATIC", texts::aboutVersion, SS_LEFT, px(inPanel(at::version)), -1, font);
  // The copyright line is too long for the panel: the holder goes on a line of its own rather
  // than wherever the label would break it.
  std::string copyright = texts::copyright;
  if (const auto blank = copyright.rfind(' '); blank != std::string::npos) copyright.replace(blank, 1, "\r\n");
  child(hwnd(), L"STATIC", copyright, SS_LEFT, px(inPanel(at::copyright)), -1, font);
}

void AboutBoxWindow::finish(int result) {
  if (done_) return;
  result_ = result;
  done_ = true;
}

void AboutBoxWindow::finalMessage() {
  if (current == this) current = nullptr;
  delete this;
}

LRESULT AboutBoxWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) {
        finish(aboutresult::showHelp);
        return 0;
      }
      if (LOWORD(wp) == IDCANCEL) {
        finish(aboutresult::cancel);
        return 0;
      }
      break;
    case WM_CLOSE:
      finish(aboutresult::cancel);
      return 0;
    case WM_PAINT: {
      // Panel1: a lowered outer and a raised inner bevel (EDGE_ETCHED).
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      const Rect p = px_(aboutlayout::panel);
      RECT panel{p.left, p.top, p.left + p.width, p.top + p.height};
      DrawEdge(dc, &panel, EDGE_ETCHED, BF_RECT);
      EndPaint(hwnd(), &ps);
      return 0;
    }
    default:
      break;
  }
  return defaultHandling(msg, wp, lp);
}

}  // namespace kakipo::win32
