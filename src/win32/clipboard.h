// The system clipboard behind the Clipboard port: its Unicode text converted to CP932.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "editing/clipboard.h"

namespace kakipo {

// UTF-16 to CP932 with code page 932 named explicitly, whatever the system's ANSI code page.
// A character CP932 cannot hold becomes "?" rather than a look-alike, so the loss stays visible;
// *lossy (when given) tells whether that happened.
std::string cp932FromUtf16(std::wstring_view text, bool* lossy = nullptr);

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

}  // namespace kakipo
