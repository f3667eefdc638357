#include "win32/go_to_line_dialog.h"

#include "editing/editing_texts.h"
#include "win32/control_ids.h"
#include "win32/encoding.h"
#include "win32/window.h"

namespace kakipo::win32 {

std::optional<std::string> Win32GoToLineDialog::askLineNumber(
    const std::string& initial, const std::function<std::string(const std::string&)>& refusal) {
  text_ = widen(initial);
  refusal_ = &refusal;
  failure_ = nullptr;
  const INT_PTR result =
      DialogBoxParamW(GetModuleHandleW(nullptr), L"GO_TO_LINE", owner_, proc, reinterpret_cast<LPARAM>(this));
  refusal_ = nullptr;
  if (failure_) std::rethrow_exception(failure_);
  if (result != IDOK) return std::nullopt;
  return narrow(text_);
}

INT_PTR CALLBACK Win32GoToLineDialog::proc(HWND dialog, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, l);
    reinterpret_cast<Win32GoToLineDialog*>(l)->init(dialog);
    return FALSE;  // the focus is set: on the box
  }
  auto* self = reinterpret_cast<Win32GoToLineDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!self || msg != WM_COMMAND) return FALSE;
  if (LOWORD(w) == IDOK) {
    if (self->accept(dialog)) EndDialog(dialog, IDOK);
    return TRUE;
  }
  if (LOWORD(w) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

void Win32GoToLineDialog::init(HWND dialog) {
  // Over the middle of the main window, where the user is looking.
  RECT owner, own;
  if (GetWindowRect(owner_, &owner) && GetWindowRect(dialog, &own)) {
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    SetWindowPos(dialog, nullptr, (owner.left + owner.right - width) / 2, (owner.top + owner.bottom - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetWindowTextW(dialog, widen(texts::goToLineCaption).c_str());
  SetDlgItemTextW(dialog, ids::goToLineLabel, widen(texts::goToLineLabel).c_str());
  SetDlgItemTextW(dialog, IDOK, widen(texts::goToLineOk).c_str());
  SetDlgItemTextW(dialog, IDCANCEL, widen(texts::goToLineCancel).c_str());
  const HWND box = GetDlgItem(dialog, ids::goToLineBox);
  SetWindowTextW(box, text_.c_str());
  SendMessageW(box, EM_SETSEL, 0, -1);
  SetFocus(box);
}

bool Win32GoToLineDialog::accept(HWND dialog) {
  const HWND box = GetDlgItem(dialog, ids::goToLineBox);
  const std::wstring typed = windowText(box);
  std::string refused;
  try {
    refused = (*refusal_)(narrow(typed));
  } catch (...) {
    failure_ = std::current_exception();  // no exception crosses the dialog's procedure
    EndDialog(dialog, IDCANCEL);
    return false;
  }
  if (refused.empty()) {
    text_ = typed;
    return true;
  }
  MessageBoxW(dialog, widen(refused).c_str(), widen(texts::goToLineCaption).c_str(), MB_OK | MB_ICONWARNING);
  SendMessageW(box, EM_SETSEL, 0, -1);
  SetFocus(box);
  return false;
}

}  // namespace kakipo::win32
