#include "win32/progress_dialog.h"

#include <commctrl.h>

#include "app/progress_layout.h"
#include "app/progress_texts.h"
#include "win32/controls/animation.h"
#include "win32/dpi.h"
#include "win32/encoding.h"
#include "win32/ui_resources.h"

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
}

bool ProgressDialogWindow::sinkouHyoj(bool cancelAllowed, const std::string& caption, int minimum, int maximum,
                                      int kind) {
  if (FindWindowW(windowClass().name, nullptr)) return false;

  // Sized for the display of the window it belongs to.
  const Scale px(owner_ ? dpiOf(owner_) : systemDpi());
  const ProgressLayout layout = progressLayout(cancelAllowed, kind, px);
  const SIZE outer = outerSize(layout.clientWidth, layout.clientHeight + layout.heightReduction, dialogStyle,
                               dialogExStyle, px.dpi());
  const int width = outer.cx;
  const int height = outer.cy - layout.heightReduction;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

  if (!create(dialogExStyle, L"DlgSinkou", dialogStyle, left, top, width, height, owner_)) return false;

  font_ = uiFont(px(formFontPixels));
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  // Without ACS_CENTER the control takes the size of its clip; without ACS_TIMER it plays on a
  // thread of its own, so it keeps moving while the caller's operation holds this thread.
  anmSinkou_ = CreateWindowExW(0, ANIMATE_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | ACS_TRANSPARENT,
                               layout.animationLeft, layout.animationTop, 0, 0, hwnd(), nullptr, instance, nullptr);
  pbSinkou_ = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, layout.bar.left, layout.bar.top,
                              layout.bar.width, layout.bar.height, hwnd(), nullptr, instance, nullptr);
  btnToriyame_ = CreateWindowExW(0, WC_BUTTONW, widen(texts::progressCancelButton).c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, layout.button.left,
                                 layout.button.top, layout.button.width, layout.button.height, hwnd(),
                                 childId(idButton), instance, nullptr);
  setFont(btnToriyame_, font_.get());
  SetWindowSubclass(btnToriyame_, buttonProc, 0, 0);
  EnableWindow(btnToriyame_, layout.buttonEnabled);

  openClip(layout.clipResource);

  pb::setRange(pbSinkou_, minimum, maximum);
  pb::setPosition(pbSinkou_, minimum);
  SetWindowTextW(hwnd(), widen(caption).c_str());
  cancelRequested_ = false;

  // Shown without taking the activation: the caller's operation holds this thread, so the dialog
  // could not take input anyway, and when it goes the focus is still where the user left it (the
  // editor) instead of wherever the system puts it after an active window is destroyed. Owned by
  // the main window, it stays above it.
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  // The caller keeps this thread busy until it closes the dialog, so paint now.
  UpdateWindow(hwnd());
  return true;
}

void ProgressDialogWindow::openClip(int resource) {
  clip_ = Clip::None;
  if (resource == 0) return;
  if (clipLibrary_ && anim::open(anmSinkou_, clipLibrary_, MAKEINTRESOURCEW(resource))) clip_ = Clip::Shell;
  // Only the search clip is in use; it is the one we carry ourselves.
  if (clip_ == Clip::None && resource == progressLayout(true, clip::searchingForFile).clipResource &&
      anim::open(anmSinkou_, GetModuleHandleW(nullptr), ownClipName))
    clip_ = Clip::Own;
  if (clip_ != Clip::None) anim::playForever(anmSinkou_);
}

void ProgressDialogWindow::sinkouSyuryo() {
  if (hwnd()) DestroyWindow(hwnd());  // WM_NCDESTROY forgets the handles
}

LRESULT ProgressDialogWindow::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
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
      anmSinkou_ = pbSinkou_ = btnToriyame_ = nullptr;
      clip_ = Clip::None;
      break;
    default:
      break;
  }
  return defaultHandling(msg, wParam, lParam);
}

// The caller's operation holds this thread, so the dialog's own messages wait in the queue: take
// those (a click of the button, its painting) and nothing else, so that no other window's handler
// runs in the middle of the operation. Asked often during a long read, it looks at most every
// 50 ms.
bool ProgressDialogWindow::cancelRequested() {
  const HWND dialog = hwnd();
  if (!dialog || cancelRequested_) return cancelRequested_;
  const ULONGLONG now = GetTickCount64();
  if (now - lastLook_ < lookEveryMs) return false;
  lastLook_ = now;
  MSG msg;
  for (const HWND w : {dialog, btnToriyame_}) {
    while (w && PeekMessageW(&msg, w, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return cancelRequested_;
}

}  // namespace kakipo::win32
