// The rich-edit adapter's exact operations: texts that may hold characters CP932 cannot come and
// go as UTF-8, found in the control's own UTF-16 text and placed at the logic's byte offsets.
#include <algorithm>
#include <string_view>

#include "win32/controls/rich_edit.h"
#include "win32/encoding.h"
#include "win32/rich_editor.h"

namespace kakipo::win32 {

namespace {

constexpr wchar_t foldAscii(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; }

// A search text as the control holds text: a line break is one CR.
std::wstring controlUnits(const std::string& utf8) {
  std::wstring out;
  for (const wchar_t c : widenUtf8(utf8))
    if (c != L'\n' || out.empty() || out.back() != L'\r') out += c == L'\n' ? L'\r' : c;
  return out;
}

bool matchesAt(std::wstring_view text, std::size_t at, std::wstring_view what, bool matchCase) {
  if (matchCase) return text.substr(at, what.size()) == what;
  for (std::size_t k = 0; k < what.size(); ++k)
    if (foldAscii(text[at + k]) != foldAscii(what[k])) return false;
  return true;
}

// The first (down) or last match lying wholly in [from, to) of the units, or npos.
std::size_t findUnits(std::wstring_view text, std::wstring_view what, std::size_t from, std::size_t to,
                      bool matchCase, bool down) {
  if (what.empty() || to < from || to - from < what.size()) return std::wstring_view::npos;
  const std::wstring_view range = text.substr(0, to);
  if (matchCase) {
    const std::size_t at = down ? range.find(what, from) : range.rfind(what, to - what.size());
    return at != std::wstring_view::npos && at >= from ? at : std::wstring_view::npos;
  }
  const std::size_t last = to - what.size();
  if (down) {
    for (std::size_t at = from; at <= last; ++at)
      if (matchesAt(text, at, what, false)) return at;
  } else {
    for (std::size_t at = last + 1; at-- > from;)
      if (matchesAt(text, at, what, false)) return at;
  }
  return std::wstring_view::npos;
}

}  // namespace

std::string RichEditor::textUtf8() const { return encodeControlText(*wideText(), TextEncoding::Utf8); }

// A zero byte is what no search text holds: the search never matches a stand-in.
std::string RichEditor::searchText() const { return narrowControlText(*wideText(), '\0'); }

int RichEditor::findUtf8(const std::string& what, int start, int length, bool matchCase, bool down) const {
  const auto text = wideText();
  const std::wstring& all = *text;
  const int total = controlTextBytes(all);
  if (start < 0 || start > total) return -1;
  const int end = static_cast<int>(std::min<long long>(static_cast<long long>(start) + std::max(length, 0), total));
  OffsetCursor cursor(all);
  const auto from = static_cast<std::size_t>(cursor.unitsForBytes(start));
  const auto to = static_cast<std::size_t>(cursor.unitsForBytes(end));
  const std::size_t at = findUnits(all, controlUnits(what), from, to, matchCase, down);
  if (at == std::wstring_view::npos) return -1;
  return controlTextBytes(std::wstring_view(all).substr(0, at));
}

std::vector<int> RichEditor::findAllUtf8(const std::string& what, int start, bool matchCase) const {
  std::vector<int> found;
  const auto text = wideText();
  const std::wstring& all = *text;
  const std::wstring units = controlUnits(what);
  if (units.empty() || start < 0 || start > controlTextBytes(all)) return found;
  OffsetCursor cursor(all);
  std::size_t from = static_cast<std::size_t>(cursor.unitsForBytes(start));
  for (std::size_t at; (at = findUnits(all, units, from, all.size(), matchCase, true)) != std::wstring_view::npos;) {
    found.push_back(cursor.bytesForUnits(static_cast<int>(at)));
    from = at + units.size();
  }
  return found;
}

void RichEditor::replaceSelUtf8(const std::string& s, bool canUndo) {
  re::replaceSelection(hwnd(), widenUtf8(s), canUndo);
}

void RichEditor::insertLineUtf8(int index, const std::string& s) { insertLineUnits(index, widenUtf8(s)); }

}  // namespace kakipo::win32
