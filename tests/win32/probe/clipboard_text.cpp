#include "win32/probe/clipboard_text.h"

#include <cstring>
#include <stdexcept>

namespace kakipo::probe {

namespace {

// Open for the length of one use; another program may hold the clipboard for a moment.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) {
    for (int tries = 0; !OpenClipboard(owner); ++tries) {
      if (tries == 200) throw std::runtime_error("the clipboard stays busy");
      Sleep(50);
    }
  }
  ~OpenClipboardScope() { CloseClipboard(); }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

}  // namespace

void setClipboardText(const std::wstring& text, HWND owner) {
  OpenClipboardScope open(owner);
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!mem) throw std::runtime_error("no memory for the clipboard text");
  std::memcpy(GlobalLock(mem), text.c_str(), bytes);
  GlobalUnlock(mem);
  if (!SetClipboardData(CF_UNICODETEXT, mem)) {
    GlobalFree(mem);
    throw std::runtime_error("the clipboard refused the text");
  }
}

std::optional<std::wstring> clipboardText(HWND owner) {
  OpenClipboardScope open(owner);
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return std::nullopt;
  const auto* units = static_cast<const wchar_t*>(GlobalLock(data));
  if (!units) return std::nullopt;
  // The block may be larger than the text; the text ends at its NUL or at the block's end.
  const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
  std::wstring text(units, wcsnlen(units, capacity));
  GlobalUnlock(data);
  return text;
}

}  // namespace kakipo::probe
