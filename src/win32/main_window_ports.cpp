// The ports that are the main window itself: FormWindow (caption, place and size, system menu,
// bars), the message boxes, and what the documents, status-bar and search commands ask of it.
#include <utility>
#include <vector>

#include "win32/controls/status_bar.h"
#include "win32/encoding.h"
#include "win32/main_window.h"
#include "win32/single_instance.h"

namespace kakipo::win32 {

// ---- FormWindow

std::string MainWindow::caption() const { return narrow(windowText(hwnd())); }

void MainWindow::setCaption(const std::string& text) {
  // The task-bar button of a single top-level window shows this same text.
  SetWindowTextW(hwnd(), widen(text).c_str());
}

Rect MainWindow::bounds() const {
  RECT r;
  if (IsIconic(hwnd())) {
    WINDOWPLACEMENT wp{sizeof wp};
    GetWindowPlacement(hwnd(), &wp);
    r = wp.rcNormalPosition;
  } else {
    GetWindowRect(hwnd(), &r);
  }
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void MainWindow::setBounds(const Rect& r) {
  SetWindowPos(hwnd(), nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::appendSystemMenuItem(int id, const std::string& text) {
  HMENU menu = GetSystemMenu(hwnd(), FALSE);
  if (text.empty())
    AppendMenuW(menu, MF_SEPARATOR, static_cast<UINT_PTR>(id), nullptr);
  else
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id), widen(text).c_str());
}

void MainWindow::setSystemMenuItem(int id, const std::string& text, bool checked, bool enabled) {
  HMENU menu = GetSystemMenu(hwnd(), FALSE);
  ModifyMenuW(menu, static_cast<UINT>(id), MF_BYCOMMAND | MF_STRING | (checked ? MF_CHECKED : MF_UNCHECKED) |
                                               (enabled ? MF_ENABLED : MF_GRAYED),
              static_cast<UINT_PTR>(id), widen(text).c_str());
}

namespace {

// The top-level windows of this thread that owner owns: tooltips, the Find and Replace dialogs,
// floating bars.
std::vector<HWND> ownedWindows(HWND owner) {
  std::pair<HWND, std::vector<HWND>> found{owner, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM l) {
        auto* f = reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(l);
        if (GetWindow(w, GW_OWNER) == f->first) f->second.push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.second;
}

bool isTopmost(HWND h) { return (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

}  // namespace

void MainWindow::setTopmost(bool on) {
  const HWND band = on ? HWND_TOPMOST : HWND_NOTOPMOST;
  constexpr UINT inPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  const std::vector<HWND> owned = ownedWindows(hwnd());
  SetWindowPos(hwnd(), band, 0, 0, 0, 0, inPlace);
  if (isTopmost(hwnd()) != on) {
    // Wine puts a window that owns others behind them and outside the topmost band; they are let
    // go for the move and taken back after it.
    for (HWND w : owned) SetWindowLongPtrW(w, GWLP_HWNDPARENT, 0);
    SetWindowPos(hwnd(), band, 0, 0, 0, 0, inPlace);
    for (HWND w : owned) SetWindowLongPtrW(w, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(hwnd()));
  }
  // The windows it owns go with it, so that the Find dialog never hides behind it.
  for (HWND w : owned) SetWindowPos(w, band, 0, 0, 0, 0, inPlace);
}

bool MainWindow::barVisible(Bar bar) const { return bar == Bar::StatusBar ? statusBarShown_ : coolBar_->visible(bar); }

void MainWindow::setBarVisible(Bar bar, bool visible) {
  if (bar == Bar::StatusBar) {
    statusBarShown_ = visible;
    ShowWindow(statusBar_, visible ? SW_SHOW : SW_HIDE);
  } else {
    coolBar_->setVisible(bar, visible);
  }
  layout();
}

void MainWindow::acceptDroppedFiles() { DragAcceptFiles(hwnd(), TRUE); }

void MainWindow::setOverwriteSaveHint(const std::string& text) { buttons_->setOverwriteSaveHint(widen(text)); }

bool MainWindow::wrapButtonDown() const { return buttons_->wrapButtonDown(); }

void MainWindow::startAnotherInstance() {
  const std::wstring program = programPath_.empty() ? executablePath() : programPath_;
  if (!program.empty()) startInstance(program);
}

// ---- MessageBoxes, MainWindowFront, StatusBarView, SearchWindow

int MainWindow::messageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return MessageBoxW(hwnd(), widen(text).c_str(), widen(caption).c_str(), flags);
}

void MainWindow::bringToForeground() { SetForegroundWindow(hwnd()); }

void MainWindow::setPanelText(int panel, const std::string& text) { sb::setText(statusBar_, panel, widen(text)); }

void MainWindow::setNotice(const std::string& text) {
  sb::setSimple(statusBar_, !text.empty());
  if (!text.empty()) sb::setText(statusBar_, SB_SIMPLEID, widen(text));
}

void MainWindow::bringToFront() { BringWindowToTop(hwnd()); }

void MainWindow::activateEditor() { memo1_->setFocus(); }

}  // namespace kakipo::win32
