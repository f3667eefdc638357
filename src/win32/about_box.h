// The about box (window class "TAboutBox"): product name, version and copyright, with "ヘルプ表示"
// (result 1) and "キャンセル" (result 2). Built anew for every showing and released on every close.
#pragma once
#include <windows.h>

#include <string>

#include "core/display_scale.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace kakipo::win32 {

// Owns itself: made by show(), released once its window is gone.
class AboutBoxWindow : public Window<AboutBoxWindow> {
 public:
  static WindowClass windowClass() { return {L"TAboutBox"}; }

  // Shows a new about box modally over owner (which is disabled meanwhile) and returns its
  // result: 1 for "ヘルプ表示", 2 for "キャンセル", Esc or the close box. The box is gone on
  // return. icon: the program icon to show; null takes the program's own.
  static int show(HWND owner, HICON icon = nullptr);
  // The box while it is up (tests drive it from a timer), else null.
  static AboutBoxWindow* instance();

  HWND okButton() const { return okButton_; }
  HWND cancelButton() const { return button1_; }

 private:
  friend class Window<AboutBoxWindow>;
  AboutBoxWindow() = default;
  ~AboutBoxWindow() = default;
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
  void finalMessage();
  void createControls(HICON icon);
  void finish(int result);

  // The controls are children of the box and go with it.
  HWND okButton_ = nullptr;
  HWND button1_ = nullptr;
  Scale px_;  // the display the box is shown on
  UniqueFont font_;
  int result_ = 0;
  bool done_ = false;
};

}  // namespace kakipo::win32
