#include "win32/clipboard.h"

#include <cwchar>

#include "core/errors.h"
#include "editing/system_texts.h"
#include "win32/encoding.h"

namespace kakipo::win32 {

namespace {

// Closes the clipboard however the reading ends.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) {
    // Another program may hold the clipboard for a moment (a clipboard manager reading it right
    // after a copy); a short wait is better than a failed paste.
    for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
      open_ = OpenClipboard(owner) != FALSE;
      if (!open_) Sleep(10);
    }
  }
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  bool open() const { return open_; }

 private:
  bool open_ = false;
};

class GlobalLockScope {
 public:
  explicit GlobalLockScope(HGLOBAL h) : h_(h), p_(h ? GlobalLock(h) : nullptr) {}
  ~GlobalLockScope() {
    if (p_) GlobalUnlock(h_);
  }
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;
  const void* data() const { return p_; }

 private:
  HGLOBAL h_;
  void* p_;
};

}  // namespace

// The system makes Unicode text out of the ANSI and OEM formats and back, so any of them counts.
bool Win32Clipboard::hasText() const {
  return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT) ||
         IsClipboardFormatAvailable(CF_OEMTEXT);
}

std::string Win32Clipboard::text() const {
  OpenClipboardScope clipboard(owner_);
  if (!clipboard.open()) throw Error(texts::clipboardBusy);
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  GlobalLockScope lock(static_cast<HGLOBAL>(data));
  const auto* chars = static_cast<const wchar_t*>(lock.data());
  if (!chars) return {};
  // The text ends at its NUL, but a careless program may leave that out: never read past the
  // memory block.
  const std::size_t capacity = GlobalSize(static_cast<HGLOBAL>(data)) / sizeof(wchar_t);
  return narrow({chars, wcsnlen(chars, capacity)});
}

}  // namespace kakipo::win32
