// The progress dialog window DlgSinkou (window class "TDlgSinkou"): caption, animation, bar and an
// optional cancel button, put up around a long synchronous operation. A dialog of any running
// instance of the program keeps another from being shown.
#pragma once
#include <windows.h>

#include <string>

#include "core/progress.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace kakipo::win32 {

class ProgressDialogWindow : public Window<ProgressDialogWindow>, public ProgressDialog {
 public:
  static WindowClass windowClass() { return {L"TDlgSinkou"}; }
  // Our own search clip, an "AVI" resource of the program, for where the shell has none.
  static constexpr const wchar_t* ownClipName = L"SEARCH_CLIP";

  // owner: the main window, so the dialog stays above it.
  explicit ProgressDialogWindow(HWND owner = nullptr);
  ~ProgressDialogWindow() override { sinkouSyuryo(); }

  // Where the shell's clips are taken from: shell32.dll, none under Wine (whose search clip is a
  // still placeholder), or the module a test names.
  void setClipLibrary(HMODULE library) { clipLibrary_ = library; }

  bool sinkouHyoj(bool cancelAllowed, const std::string& caption, int minimum, int maximum,
                  int kind) override;
  void sinkouSyuryo() override;
  bool cancelRequested() override;
  void btnToriyameClick() { cancelRequested_ = true; }

  // The open dialog and its controls, null while closed.
  HWND window() const { return hwnd(); }
  HWND animation() const { return anmSinkou_; }
  HWND bar() const { return pbSinkou_; }
  HWND button() const { return btnToriyame_; }
  // Which clip plays: the shell's, our own, or none.
  enum class Clip { None, Shell, Own };
  Clip clip() const { return clip_; }

 private:
  friend class Window<ProgressDialogWindow>;
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
  void openClip(int resource);

  HWND owner_;  // not owned
  HMODULE clipLibrary_;
  // The controls are children of the dialog and go with it.
  HWND anmSinkou_ = nullptr;
  HWND pbSinkou_ = nullptr;
  HWND btnToriyame_ = nullptr;
  UniqueFont font_;
  Clip clip_ = Clip::None;
  bool cancelRequested_ = false;
  static constexpr ULONGLONG lookEveryMs = 50;
  ULONGLONG lastLook_ = 0;
};

}  // namespace kakipo::win32
