// CoolBar1 and its two bands, the button bar and the phrase box: each band can be dragged out of
// the cool bar into a small window of its own, and goes back when that window is closed or
// dropped onto the top of the main window.
#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <memory>

#include "core/display_scale.h"
#include "core/form_window.h"
#include "win32/window.h"

namespace kakipo::win32 {

class CoolBar {
 public:
  // Builds the cool bar as a child of main, for a display at px; throws Error when it cannot.
  // relayout: lays the main window out again after a bar came, went or moved.
  CoolBar(HWND main, Scale px, std::function<void()> relayout);
  ~CoolBar();
  CoolBar(const CoolBar&) = delete;
  CoolBar& operator=(const CoolBar&) = delete;

  // The cool bar goes with the main window; it is not owned here.
  HWND hwnd() const { return coolBar_; }
  // Puts the two bars in as the cool bar's two rows, the button bar first.
  void addBands(HWND toolBar, HWND phraseBox);

  bool visible(Bar bar) const { return shown_[index(bar)]; }
  // Whether window is the window a bar floats in.
  bool isFloatingWindow(HWND window) const;
  void setVisible(Bar bar, bool visible);
  // A band the user let go of: it floats when the pointer is well away from the cool bar.
  void bandDropped(UINT bandId);
  // Bands and floating windows sized for a display at px, once the bars themselves are.
  void scaleTo(Scale px);

 private:
  class FloatingBar;
  static int index(Bar bar) { return bar == Bar::ToolBar ? 0 : 1; }
  int bandIndex(Bar bar) const;
  void insertBand(Bar bar, int at);
  REBARBANDINFOW bandInfo(Bar bar) const;
  SIZE floatingClientSize(Bar bar) const;
  void placeFloating(Bar bar);
  void floatBar(Bar bar);
  void dockBar(Bar bar);
  bool dropOnDock(HWND floating) const;

  HWND main_;     // not owned
  HWND coolBar_;  // a child of main
  Scale px_;
  std::function<void()> relayout_;
  std::array<HWND, 2> bands_{};  // the bars themselves, children of the cool bar or a floating window
  std::array<std::unique_ptr<FloatingBar>, 2> floating_;
  std::array<bool, 2> shown_{true, true};
};

}  // namespace kakipo::win32
