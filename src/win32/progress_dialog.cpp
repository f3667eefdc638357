#include "win32/progress_dialog.h"

#include <commctrl.h>

#include "app/progress_layout.h"
#include "win32/encoding.h"

namespace kakipo::win32 {

namespace {

constexpr int idButton = 1;
constexpr DWORD dialogStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;  // no system menu: no buttons
constexpr DWORD dialogExStyle = WS_EX_DLGMODALFRAME;

// Return presses the cancel button as Space does, without a dialog manager in the message loop.
LRESULT CALLBACK buttonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (msg == WM_GETDLGCODE) return DLGC_BUTTON | DLGC_WANTALLKEYS;
  if (msg == WM_KEYDOWN && wParam == VK_RETURN) {
    SendMessageW(hwnd, BM_CLICK, 0, 0);
    return 0;
  }
  if (msg == WM_CHAR && wParam == L'\r') return 0;
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}


// Wine's shell library answers for the search clip with a still line of text, so there the clip
// of our own is the better picture.
bool underWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace

ProgressDialogWindow::ProgressDialogWindow(HWND owner)
    : owner_(owner), clipLibrary_(underWine() ? nullptr : GetModuleHandleW(L"shell32.dll")) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_ANIMATE_CLASS | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&icc);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(instance, className, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = windowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = className;
  RegisterClassExW(&wc);
}

ProgressDialogWindow::~ProgressDialogWindow() {
  sinkouSyuryo();
  if (font_) DeleteObject(font_);
}

bool ProgressDialogWindow::sinkouHyoj(bool cancelAllowed, const std::string& caption, int minimum, int maximum,
                                      int kind) {
  if (FindWindowW(className, nullptr)) return false;

  const ProgressLayout layout = progressLayout(cancelAllowed, kind);
  RECT outer{0, 0, layout.clientWidth, layout.clientHeight + layout.heightReduction};
  AdjustWindowRectEx(&outer, dialogStyle, FALSE, dialogExStyle);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top - layout.heightReduction;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

  const HINSTANCE instance = GetModuleHandleW(nullptr);
  hwnd_ = CreateWindowExW(dialogExStyle, className, L"DlgSinkou", dialogStyle, left, top, width, height, owner_,
                          nullptr, instance, this);
  if (!hwnd_) return false;

  if (!font_) {
    font_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック");
  }
  // Without ACS_CENTER the control takes the size of its clip; without ACS_TIMER it plays on a
  // thread of its own, so it keeps moving while the caller's operation holds this thread.
  anmSinkou_ = CreateWindowExW(0, ANIMATE_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | ACS_TRANSPARENT,
                               layout.animationLeft, layout.animationTop, 0, 0, hwnd_, nullptr, instance, nullptr);
  pbSinkou_ = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, layout.bar.left, layout.bar.top,
                              layout.bar.width, layout.bar.height, hwnd_, nullptr, instance, nullptr);
  btnToriyame_ = CreateWindowExW(0, L"BUTTON", L"ｷｬﾝｾﾙ (ｽﾍﾟｰｽ or ﾘﾀｰﾝｷｰ)",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, layout.button.left,
                                 layout.button.top, layout.button.width, layout.button.height, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(idButton)), instance, nullptr);
  SendMessageW(btnToriyame_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  SetWindowSubclass(btnToriyame_, buttonProc, 0, 0);
  EnableWindow(btnToriyame_, layout.buttonEnabled);

  openClip(layout.clipResource);

  SendMessageW(pbSinkou_, PBM_SETRANGE32, minimum, maximum);
  SendMessageW(pbSinkou_, PBM_SETPOS, minimum, 0);
  SetWindowTextW(hwnd_, widen(caption).c_str());
  cancelRequested_ = false;

  // Shown without taking the activation: the caller's operation holds this thread, so the dialog
  // could not take input anyway, and when it goes the focus is still where the user left it (the
  // editor) instead of wherever the system puts it after an active window is destroyed. Owned by
  // the main window, it stays above it.
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  // The caller keeps this thread busy until it closes the dialog, so paint now.
  UpdateWindow(hwnd_);
  return true;
}

void ProgressDialogWindow::openClip(int resource) {
  clip_ = Clip::None;
  if (resource == 0) return;
  if (clipLibrary_) {
    if (SendMessageW(anmSinkou_, ACM_OPENW, reinterpret_cast<WPARAM>(clipLibrary_),
                     reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(resource)))) {
      clip_ = Clip::Shell;
    }
  }
  // Only the search clip is in use; it is the one we carry ourselves.
  if (clip_ == Clip::None && resource == progressLayout(true, clip::searchingForFile).clipResource) {
    if (SendMessageW(anmSinkou_, ACM_OPENW, reinterpret_cast<WPARAM>(GetModuleHandleW(nullptr)),
                     reinterpret_cast<LPARAM>(ownClipName))) {
      clip_ = Clip::Own;
    }
  }
  if (clip_ != Clip::None) SendMessageW(anmSinkou_, ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, 0xFFFF));
}

void ProgressDialogWindow::sinkouSyuryo() {
  if (hwnd_) DestroyWindow(hwnd_);  // WM_NCDESTROY forgets the handles
}

LRESULT CALLBACK ProgressDialogWindow::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<ProgressDialogWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_NCCREATE) {
    self = static_cast<ProgressDialogWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = hwnd;
  }
  return self ? self->handleMessage(msg, wParam, lParam) : DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT ProgressDialogWindow::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = hwnd_;
  switch (msg) {
    case WM_COMMAND:
      if (LOWORD(wParam) == idButton && HIWORD(wParam) == BN_CLICKED) {
        btnToriyameClick();
        return 0;
      }
      break;
    case WM_CLOSE:
      return 0;  // only sinkouSyuryo takes the dialog down
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      hwnd_ = anmSinkou_ = pbSinkou_ = btnToriyame_ = nullptr;
      clip_ = Clip::None;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace kakipo::win32
