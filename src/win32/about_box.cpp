#include "win32/about_box.h"

#include "help/help_texts.h"
#include "help/help_windows.h"
#include "win32/encoding.h"
#include "win32/owned_window.h"

namespace kakipo {

namespace helpwin {

HFONT makeFont(int pixelHeight) {
  return CreateFontW(-pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック");
}

namespace {
BOOL CALLBACK firstIconName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
  *reinterpret_cast<LPWSTR*>(found) = name;
  return FALSE;
}
}  // namespace

HICON programIcon(int size) {
  HMODULE module = GetModuleHandleW(nullptr);
  LPWSTR name = nullptr;
  EnumResourceNamesW(module, RT_GROUP_ICON, firstIconName, reinterpret_cast<LONG_PTR>(&name));
  if (name) {
    auto icon = static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, size, size, LR_SHARED));
    if (icon) return icon;
  }
  return static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace helpwin

namespace {

constexpr wchar_t className[] = L"TAboutBox";
constexpr int clientWidth = 193;
constexpr int clientHeight = 166;
constexpr int panelLeft = 8;
constexpr int panelTop = 8;

AboutBoxWindow* current = nullptr;

HWND child(HWND parent, const wchar_t* cls, const std::string& text, DWORD style, int x, int y, int w,
           int h, int id, HFONT font) {
  HWND hwnd = CreateWindowExW(0, cls, win32::widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, x, y,
                              w, h, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return hwnd;
}

}  // namespace

AboutBoxWindow* AboutBoxWindow::instance() { return current; }

void AboutBoxWindow::registerClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &AboutBoxWindow::windowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = className;
  registered = RegisterClassExW(&wc) != 0;
}


AboutBoxWindow::~AboutBoxWindow() {
  if (font_) DeleteObject(font_);
}

int AboutBoxWindow::show(HWND owner, HICON icon) {
  registerClass();
  auto* box = new AboutBoxWindow;
  current = box;
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT r{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  HWND hwnd = CreateWindowExW(exStyle, className, win32::widen(texts::aboutCaption).c_str(), style, x, y,
                              w, h, owner, nullptr, GetModuleHandleW(nullptr), box);
  if (!hwnd) {
    // A window that got as far as WM_NCCREATE has released the object at WM_NCDESTROY already.
    if (current == box) {
      current = nullptr;
      delete box;
    }
    return aboutresult::cancel;
  }
  box->createControls(icon ? icon : helpwin::programIcon(32));

  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(box->hwnd_, SW_SHOW);
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
    if (!IsDialogMessageW(box->hwnd_, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // The owner is enabled again before the box goes, so that it, not some other program, becomes
  // the active window.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  const int result = box->result_;
  DestroyWindow(box->hwnd_);  // WM_NCDESTROY releases the object
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
  return result;
}

void AboutBoxWindow::createControls(HICON icon) {
  font_ = helpwin::makeFont(12);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  // Creation order is the tab order: OKButton, Button1, then Panel1 and what it holds.
  okButton_ = child(hwnd_, L"BUTTON", texts::aboutHelpButton, WS_TABSTOP | BS_DEFPUSHBUTTON, 15, 132, 74, 25,
                    IDOK, font_);
  button1_ = child(hwnd_, L"BUTTON", texts::aboutCancelButton, WS_TABSTOP | BS_PUSHBUTTON, 104, 132, 73, 25,
                   IDCANCEL, font_);
  HWND programIcon = child(hwnd_, L"STATIC", "", SS_ICON, panelLeft + 16, panelTop + 16, 32, 32, -1, font_);
  SendMessageW(programIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  child(hwnd_, L"STATIC", texts::productName, SS_LEFT, panelLeft + 72, panelTop + 16, 97, 14, -1, font_);
  child(hwnd_, L"STATIC", texts::aboutVersion, SS_LEFT, panelLeft + 64, panelTop + 40, 105, 14, -1, font_);
  // The copyright line is too long for the panel: the holder goes on a line of its own rather
  // than wherever the label would break it.
  std::string copyright = texts::copyright;
  if (const auto blank = copyright.rfind(' '); blank != std::string::npos) copyright.replace(blank, 1, "\r\n");
  child(hwnd_, L"STATIC", copyright, SS_LEFT, panelLeft + 8, panelTop + 64, 161, 44, -1, font_);
}

void AboutBoxWindow::finish(int result) {
  if (done_) return;
  result_ = result;
  done_ = true;
}

LRESULT CALLBACK AboutBoxWindow::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return win32::routeToOwnedWindow(hwnd, msg, wp, lp, &AboutBoxWindow::hwnd_, &AboutBoxWindow::handle, [](AboutBoxWindow* self) {
    if (current == self) current = nullptr;
    delete self;
  });
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
      HDC dc = BeginPaint(hwnd_, &ps);
      RECT panel{panelLeft, panelTop, panelLeft + 177, panelTop + 113};
      DrawEdge(dc, &panel, EDGE_ETCHED, BF_RECT);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace kakipo
