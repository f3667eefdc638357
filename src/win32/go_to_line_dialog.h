// The go-to-line dialog behind the GoToLineDialog port: a modal dialog from the GO_TO_LINE
// template with a label, a box for the line number, OK and Cancel.
#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <optional>
#include <string>

#include "editing/go_to_line.h"

namespace kakipo::win32 {

class Win32GoToLineDialog : public GoToLineDialog {
 public:
  // The dialog is owned by owner, which it keeps disabled while it is up.
  explicit Win32GoToLineDialog(HWND owner) : owner_(owner) {}

  std::optional<std::string> askLineNumber(const std::string& initial,
                                           const std::function<std::string(const std::string&)>& refusal) override;

 private:
  static INT_PTR CALLBACK proc(HWND dialog, UINT msg, WPARAM w, LPARAM l);
  void init(HWND dialog);
  // OK: true when the box's text is taken and the dialog may end.
  bool accept(HWND dialog);

  HWND owner_;
  // What one run of the dialog works with.
  std::wstring text_;
  const std::function<std::string(const std::string&)>* refusal_ = nullptr;
  std::exception_ptr failure_;  // what the logic threw inside the dialog, thrown again after it
};

}  // namespace kakipo::win32
