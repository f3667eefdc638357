// The progress dialog window DlgSinkou (window class "TDlgSinkou"): caption, animation, bar and an
// optional cancel button, put up around a long synchronous operation. A dialog of any running
// instance of the program keeps another from being shown.
#pragma once
#include <windows.h>

#include <string>

#include "core/progress.h"

namespace kakipo::win32 {

class ProgressDialogWindow : public ProgressDialog {
 public:
  static constexpr const wchar_t* className = L"TDlgSinkou";
  // Our own search clip, an "AVI" resource of the program, for where the shell has none.
  static constexpr const wchar_t* ownClipName = L"SEARCH_CLIP";

  // owner: the main window, so the dialog stays above it; may be set later.
  explicit ProgressDialogWindow(HWND owner = nullptr);
  ~ProgressDialogWindow() override;
  ProgressDialogWindow(const ProgressDialogWindow&) = delete;
  ProgressDialogWindow& operator=(const ProgressDialogWindow&) = delete;

  void setOwner(HWND owner) { owner_ = owner; }
  // Where the shell's clips are taken from: shell32.dll, none under Wine (whose search clip is a
  // still placeholder), or the module a test names.
  void setClipLibrary(HMODULE library) { clipLibrary_ = library; }

  bool sinkouHyoj(bool cancelAllowed, const std::string& caption, int minimum, int maximum,
                  int kind) override;
  void sinkouSyuryo() override;
  bool cancelRequested() const override { return cancelRequested_; }
  void btnToriyameClick() { cancelRequested_ = true; }

  // The open dialog and its controls, null while closed.
  HWND window() const { return hwnd_; }
  HWND animation() const { return anmSinkou_; }
  HWND bar() const { return pbSinkou_; }
  HWND button() const { return btnToriyame_; }
  // Which clip plays: the shell's, our own, or none.
  enum class Clip { None, Shell, Own };
  Clip clip() const { return clip_; }

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void openClip(int resource);

  HWND owner_;
  HMODULE clipLibrary_;
  HWND hwnd_ = nullptr;
  HWND anmSinkou_ = nullptr;
  HWND pbSinkou_ = nullptr;
  HWND btnToriyame_ = nullptr;
  HFONT font_ = nullptr;
  Clip clip_ = Clip::None;
  bool cancelRequested_ = false;
};

}  // namespace kakipo::win32
