// The system clipboard behind the Clipboard port: its Unicode text, exactly.
#pragma once
#include <windows.h>

#include <string>

#include "editing/clipboard.h"

namespace kakipo::win32 {

class Win32Clipboard : public Clipboard {
 public:
  // owner: the window that holds the clipboard open while it is read (may be null).
  explicit Win32Clipboard(HWND owner) : owner_(owner) {}
  bool hasText() const override;
  // Throws Error when another program keeps the clipboard open.
  std::string text() const override;

 private:
  HWND owner_;
};

}  // namespace kakipo::win32
