#include "win32/clipboard.h"

#include <cwchar>

#include "app/errors.h"

namespace kakipo {

namespace {

constexpr UINT cp932 = 932;

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

std::string cp932FromUtf16(std::wstring_view text, bool* lossy) {
  if (lossy) *lossy = false;
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  BOOL usedDefault = FALSE;
  const int size = WideCharToMultiByte(cp932, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0,
                                       "?", &usedDefault);
  if (size <= 0) throw Error("文字コードの変換に失敗しました");
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(cp932, WC_NO_BEST_FIT_CHARS, text.data(), length, out.data(), size, "?",
                      &usedDefault);
  if (lossy) *lossy = usedDefault != FALSE;
  return out;
}

// The system makes Unicode text out of the ANSI and OEM formats and back, so any of them counts.
bool Win32Clipboard::hasText() const {
  return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT) ||
         IsClipboardFormatAvailable(CF_OEMTEXT);
}

std::string Win32Clipboard::text() const {
  OpenClipboardScope clipboard(owner_);
  if (!clipboard.open()) throw Error("クリップボードを開けません。ほかのプログラムが使用中です");
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  GlobalLockScope lock(static_cast<HGLOBAL>(data));
  const auto* chars = static_cast<const wchar_t*>(lock.data());
  if (!chars) return {};
  // The text ends at its NUL, but a careless program may leave that out: never read past the
  // memory block.
  const std::size_t capacity = GlobalSize(static_cast<HGLOBAL>(data)) / sizeof(wchar_t);
  return cp932FromUtf16({chars, wcsnlen(chars, capacity)});
}

}  // namespace kakipo
