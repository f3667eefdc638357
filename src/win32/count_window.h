// The count window (window class "TMojisuu", caption 「文字数」): what is counted and the five
// counts, beside the main window and above it, kept up to date by the logic while it is open.
// Closed with Esc or its close box; built anew at every opening.
#pragma once
#include <windows.h>

#include <array>

#include "core/display_scale.h"
#include "editing/count_window_view.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace kakipo::win32 {

class CountWindow : public Window<CountWindow>, public CountWindowView {
 public:
  static WindowClass windowClass() { return {L"TMojisuu"}; }

  // owner: the main window, which it stays above and opens beside.
  explicit CountWindow(HWND owner) : owner_(owner) {}

  bool countWindowOpen() const override { return hwnd() != nullptr; }
  // Throws Error when the window cannot be built.
  void openCountWindow() override;
  void closeCountWindow() override;
  void showCounts(const CountWindowTexts& texts) override;

  // What it shows, for the tests; null while closed.
  HWND scopeLine() const { return scope_; }
  HWND value(int row) const { return values_[static_cast<std::size_t>(row)]; }

 private:
  friend class Window<CountWindow>;
  LRESULT handle(UINT msg, WPARAM w, LPARAM l);
  void createControls();

  HWND owner_;
  Scale px_;
  UniqueFont font_;
  // Children of the window, gone with it.
  HWND scope_ = nullptr;
  std::array<HWND, 5> values_{};
};

}  // namespace kakipo::win32
