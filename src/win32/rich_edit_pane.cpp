#include "win32/rich_edit_pane.h"

#include <commdlg.h>  // FR_ flags of the find message

#include <algorithm>

#include "core/control_text.h"
#include "win32/controls/rich_edit.h"
#include "win32/encoding.h"

namespace kakipo::win32 {

void RichEditPane::setText(const std::string& text) {
  re::setText(hwnd_, widen(text));
  text_ = text;
  // The control keeps a paragraph break as one position (CR); the text has CR LF there.
  const std::wstring shown = re::allUnits(hwnd_);
  // Setting the text leaves the caret at its end; a pane starts at the top.
  re::select(hwnd_, 0, 0);
  re::scroll(hwnd_, SB_VERT, SB_TOP);
  re::scroll(hwnd_, SB_HORZ, SB_LEFT);
  ControlOffsetCursor cursor(asUtf16(shown));
  byteOfChar_.resize(shown.size() + 1);
  for (std::size_t i = 0; i <= shown.size(); ++i) byteOfChar_[i] = cursor.bytesForUnits(static_cast<int>(i));
}

int RichEditPane::byteOf(LONG ch) const {
  if (ch < 0) return 0;
  if (ch >= static_cast<LONG>(byteOfChar_.size())) return byteOfChar_.back();
  return byteOfChar_[ch];
}

LONG RichEditPane::charOf(int byte) const {
  // The character that starts at or contains this byte.
  const auto it = std::upper_bound(byteOfChar_.begin(), byteOfChar_.end(), byte);
  return static_cast<LONG>(std::max<std::ptrdiff_t>(0, (it - byteOfChar_.begin()) - 1));
}

void RichEditPane::setSelStart(int offset) { re::select(hwnd_, charOf(offset), charOf(offset)); }

int RichEditPane::selStart() const { return byteOf(re::selection(hwnd_).cpMin); }

int RichEditPane::selLength() const {
  const CHARRANGE r = re::selection(hwnd_);
  return byteOf(r.cpMax) - byteOf(r.cpMin);
}

void RichEditPane::setSelLength(int length) {
  const CHARRANGE now = re::selection(hwnd_);
  re::select(hwnd_, now.cpMin, charOf(byteOf(now.cpMin) + std::max(length, 0)));
  re::scrollCaret(hwnd_);
}

void RichEditPane::select(int start, int length) {
  setSelStart(start);
  re::select(hwnd_, charOf(start), charOf(start + length));
}

std::string RichEditPane::selText() const {
  const CHARRANGE r = re::selection(hwnd_);
  const int from = byteOf(r.cpMin);
  return text_.substr(from, byteOf(r.cpMax) - from);
}

int RichEditPane::find(const std::string& what, int start, int length, bool wholeWord, bool matchCase) const {
  if (what.empty() || start < 0 || start > textLength()) return -1;
  const std::wstring wide = widen(what);
  FINDTEXTEXW ft{};
  ft.chrg.cpMin = charOf(start);
  ft.chrg.cpMax = charOf(static_cast<int>(std::min<long long>(static_cast<long long>(start) + length, textLength())));
  ft.lpstrText = wide.c_str();
  WPARAM flags = FR_DOWN;
  if (wholeWord) flags |= FR_WHOLEWORD;
  if (matchCase) flags |= FR_MATCHCASE;
  const LONG found = re::find(hwnd_, flags, ft);
  return found < 0 ? -1 : byteOf(found);
}

void RichEditPane::lineScroll(int lines) { re::scrollLines(hwnd_, lines); }

void RichEditPane::scrollCaret() { re::scrollCaret(hwnd_); }

int RichEditPane::firstVisibleLine() const { return re::firstVisibleLine(hwnd_); }

int RichEditPane::lineFromOffset(int offset) const { return re::lineOf(hwnd_, charOf(offset)); }

int RichEditPane::lineCount() const { return re::lineCount(hwnd_); }

}  // namespace kakipo::win32
