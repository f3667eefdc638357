#include "support/memory_editor.h"

#include <algorithm>
#include <stdexcept>

#include "core/errors.h"
#include "core/utf.h"

namespace kakipo::test {

namespace {
bool isWordByte(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}
unsigned char fold(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; }
}  // namespace

std::string normaliseLineBreaks(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' || s[i] == '\n') {
      out += "\r\n";
      if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
    } else {
      out += s[i];
    }
  }
  return out;
}

int MemoryEditor::characterEnd(int offset) const {
  offset = std::clamp(offset, 0, textLength());
  if (offset > 0 && offset < textLength() && text_.compare(offset - 1, 2, "\r\n") == 0) return offset + 1;
  const auto start = static_cast<int>(utf::codePointStart(text_, static_cast<std::size_t>(offset)));
  return start == offset ? offset : start + utf::decode(text_, start).length;
}

void MemoryEditor::clear() {
  text_.clear();
  selStart_ = selLength_ = firstVisible_ = 0;
  canUndo_ = false;
  modified_ = false;
}

void MemoryEditor::setText(const std::string& s) {
  clear();
  text_ = normaliseLineBreaks(s);
}

void MemoryEditor::select(int start, int length) {
  setSelStart(start);
  setSelLength(length);
}

int MemoryEditor::lineCount() const {
  int n = 1;
  for (std::size_t p = text_.find("\r\n"); p != std::string::npos; p = text_.find("\r\n", p + 2)) ++n;
  return n;
}

int MemoryEditor::lineStart(int line) const {
  if (line < 0) return -1;
  std::size_t pos = 0;
  for (int i = 0; i < line; ++i) {
    pos = text_.find("\r\n", pos);
    if (pos == std::string::npos) return -1;
    pos += 2;
  }
  return static_cast<int>(pos);
}

int MemoryEditor::lineLength(int line) const {
  const int start = lineStart(line);
  if (start < 0) return 0;
  const auto end = text_.find("\r\n", start);
  return static_cast<int>((end == std::string::npos ? text_.size() : end) - start);
}

std::string MemoryEditor::line(int index) const {
  const int start = lineStart(index);
  if (start < 0) return {};
  return text_.substr(start, lineLength(index));
}

void MemoryEditor::edit(int start, int length, const std::string& s, bool canUndo) {
  if (canUndo) {
    undoText_ = text_;
    canUndo_ = true;
  }
  text_.replace(start, length, normaliseLineBreaks(s));
  modified_ = true;
  clampSelection();
}

void MemoryEditor::replaceLine(int index, const std::string& s) {
  const int start = lineStart(index);
  if (start < 0) throw std::out_of_range("line index");
  edit(start, lineLength(index), s, false);
}

void MemoryEditor::insertLine(int index, const std::string& s) {
  const int count = lineCount();
  if (index < 0 || index > count) throw std::out_of_range("line index");
  if (index == count)
    edit(textLength(), 0, text_.empty() ? s : "\r\n" + s, false);
  else
    edit(lineStart(index), 0, s + "\r\n", false);
}

int MemoryEditor::lineFromOffset(int offset) const {
  offset = std::clamp(offset, 0, textLength());
  int line = 0;
  for (std::size_t p = text_.find("\r\n"); p != std::string::npos && static_cast<int>(p) + 2 <= offset;
       p = text_.find("\r\n", p + 2))
    ++line;
  return line;
}

CaretPos MemoryEditor::caret() const {
  const int end = selStart_ + selLength_;
  const int line = lineFromOffset(end);
  return {line, end - lineStart(line)};
}

std::string MemoryEditor::caretLineHead() const {
  const int end = selStart_ + selLength_;
  const int start = lineStart(lineFromOffset(end));
  return text_.substr(start, end - start);
}

void MemoryEditor::clampSelection() {
  selStart_ = characterEnd(selStart_);
  selLength_ = characterEnd(selStart_ + std::max(selLength_, 0)) - selStart_;
}

void MemoryEditor::setSelStart(int offset) {
  selStart_ = offset;
  selLength_ = 0;
  clampSelection();
}

void MemoryEditor::setSelLength(int length) {
  selLength_ = length;
  clampSelection();
  scrollCaret();
}

void MemoryEditor::replaceSel(const std::string& s, bool canUndo) {
  const std::string piece = normaliseLineBreaks(s);
  const int caretAt = selStart_ + static_cast<int>(piece.size());
  edit(selStart_, selLength_, piece, canUndo);
  selStart_ = caretAt;
  selLength_ = 0;
}

void MemoryEditor::selectAll() {
  selStart_ = 0;
  selLength_ = textLength();
}

void MemoryEditor::undo() {
  if (!canUndo_) return;
  canUndo_ = false;
  text_.swap(undoText_);
  modified_ = true;
  clampSelection();
}

void MemoryEditor::replaceRanges(const std::vector<TextEdit>& edits) {
  if (edits.empty()) return;
  std::string before = text_;
  Editor::replaceRanges(edits);
  undoText_ = std::move(before);
  canUndo_ = true;
}

void MemoryEditor::cut() {
  copy();
  deleteSelection();
}

void MemoryEditor::copy() {
  if (selLength_ > 0) clipboard = selText();
}

void MemoryEditor::scrollLines(int count) {
  firstVisible_ = std::clamp(firstVisible_ + count, 0, lineCount() - 1);
}

void MemoryEditor::scrollCaret() {
  const int line = caret().line;
  if (line < firstVisible_) firstVisible_ = line;
  if (line >= firstVisible_ + visibleLines) firstVisible_ = line - visibleLines + 1;
}

int MemoryEditor::find(const std::string& what, int start, int length, bool wholeWord, bool matchCase) const {
  if (what.empty() || start < 0 || start > textLength()) return -1;
  const int end = std::min<long long>(static_cast<long long>(start) + length, textLength());
  const std::string needle = normaliseLineBreaks(what);
  const int n = static_cast<int>(needle.size());
  for (int i = characterEnd(start); i + n <= end; i = characterEnd(i + 1)) {
    bool same = true;
    for (int k = 0; k < n && same; ++k) {
      const auto a = static_cast<unsigned char>(text_[i + k]);
      const auto b = static_cast<unsigned char>(needle[k]);
      same = matchCase ? a == b : fold(a) == fold(b);
    }
    if (!same) continue;
    if (wholeWord) {
      const bool before = i > 0 && isWordByte(static_cast<unsigned char>(text_[i - 1]));
      const bool after = i + n < textLength() && isWordByte(static_cast<unsigned char>(text_[i + n]));
      if (before || after) continue;
    }
    return i;
  }
  return -1;
}

// Like the control behind a fresh document, nothing changes unless the whole text is read.
void MemoryEditor::take(std::string text, const Font* startFormat, const std::function<bool()>& cancelled) {
  if (cancelled && cancelled()) throw LoadCancelled();
  if (startFormat) defaultFormat_ = *startFormat;
  clear();
  text_ = normaliseLineBreaks(text);
}

void MemoryEditor::loadText(const std::string& text, const Font* startFormat,
                            const std::function<bool()>& cancelled) {
  take(text, startFormat, cancelled);
}

// A minimal RTF: enough for the logic's tests to tell the two kinds apart and to round-trip,
// every character beyond ASCII as \uN? like the control's.
void MemoryEditor::loadRtf(const std::string& rtf, const Font* startFormat, const std::function<bool()>& cancelled) {
  const std::string head = "{\\rtf1 ";
  if (rtf.compare(0, head.size(), head) != 0 || rtf.back() != '}') throw Error("RTF");
  const std::string body = rtf.substr(head.size(), rtf.size() - head.size() - 1);
  std::u16string units;
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (body.compare(i, 5, "\\par ") == 0) {
      units += u"\r\n";
      i += 4;
    } else if (body.compare(i, 2, "\\u") == 0) {
      const std::size_t end = body.find('?', i);
      units += static_cast<char16_t>(std::stoi(body.substr(i + 2, end - i - 2)));
      i = end;
    } else if (body[i] == '\\' && i + 1 < body.size()) {
      units += static_cast<char16_t>(body[++i]);
    } else {
      units += static_cast<char16_t>(static_cast<unsigned char>(body[i]));
    }
  }
  take(utf::fromUtf16(units), startFormat, cancelled);
}

std::string MemoryEditor::rtf() const {
  std::string out = "{\\rtf1 ";
  const std::u16string units = utf::toUtf16(text_);
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t u = units[i];
    if (u == u'\r' && i + 1 < units.size() && units[i + 1] == u'\n') {
      out += "\\par ";
      ++i;
    } else if (u >= 0x80) {
      out += "\\u" + std::to_string(u) + "?";
    } else {
      if (u == '\\' || u == '{' || u == '}') out += '\\';
      out += static_cast<char>(u);
    }
  }
  return out + "}";
}

}  // namespace kakipo::test
