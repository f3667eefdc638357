// The about box (window class "TAboutBox"): product name, version and copyright, with "ヘルプ表示"
// (result 1) and "キャンセル" (result 2). Built anew for every showing and released on every close.
#pragma once
#include <windows.h>

#include <string>

namespace kakipo {

class AboutBoxWindow {
 public:
  // Shows a new about box modally over owner (which is disabled meanwhile) and returns its
  // result: 1 for "ヘルプ表示", 2 for "キャンセル", Esc or the close box. The box is gone on
  // return. icon: the program icon to show; null takes the executable's first icon.
  static int show(HWND owner, HICON icon = nullptr);
  // The box while it is up (tests drive it from a timer), else null.
  static AboutBoxWindow* instance();

  HWND hwnd() const { return hwnd_; }
  HWND okButton() const { return okButton_; }
  HWND cancelButton() const { return button1_; }

  AboutBoxWindow(const AboutBoxWindow&) = delete;
  AboutBoxWindow& operator=(const AboutBoxWindow&) = delete;

 private:
  AboutBoxWindow() = default;
  ~AboutBoxWindow();
  static void registerClass();
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
  void createControls(HICON icon);
  void finish(int result);

  HWND hwnd_ = nullptr;
  HWND okButton_ = nullptr;
  HWND button1_ = nullptr;
  HFONT font_ = nullptr;
  int result_ = 0;
  bool done_ = false;
};

// Helpers shared by the help windows.
namespace helpwin {
// "ＭＳ Ｐゴシック" at the given pixel height, Shift_JIS character set.
HFONT makeFont(int pixelHeight);
// The executable's first icon resource at the given size, or the system's application icon.
HICON programIcon(int size);
}  // namespace helpwin

}  // namespace kakipo
