#include "support/memory_editor.h"

#include <algorithm>
#include <stdexcept>

#include "core/errors.h"

namespace kakipo::test {

namespace {
bool isWordByte(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
         c >= 0x80;
}
unsigned char fold(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; }
}  // namespace

std::string normaliseLineBreaks(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r') {
      out += "\r\n";
      if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
    } else if (s[i] == '\n') {
      out += "\r\n";
    } else {
      out += s[i];
    }
  }
  return out;
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

void MemoryEditor::replaceLine(int index, const std::string& s) {
  const int start = lineStart(index);
  if (start < 0) throw std::out_of_range("line index");
  std::string t = text_;
  t.replace(start, lineLength(index), normaliseLineBreaks(s));
  setTextKeepingUndo(std::move(t), false);
}

void MemoryEditor::insertLine(int index, const std::string& s) {
  const int count = lineCount();
  if (index < 0 || index > count) throw std::out_of_range("line index");
  std::string t = text_;
  const std::string piece = normaliseLineBreaks(s);
  if (index == count)
    t += (t.empty() ? "" : "\r\n") + piece;
  else
    t.insert(lineStart(index), piece + "\r\n");
  setTextKeepingUndo(std::move(t), false);
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

void MemoryEditor::clampSelection() {
  selStart_ = std::clamp(selStart_, 0, textLength());
  selLength_ = std::clamp(selLength_, 0, textLength() - selStart_);
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

void MemoryEditor::setTextKeepingUndo(std::string s, bool canUndo) {
  if (canUndo) {
    undoText_ = text_;
    canUndo_ = true;
  }
  text_ = std::move(s);
  modified_ = true;
  clampSelection();
}

void MemoryEditor::replaceSel(const std::string& s, bool canUndo) {
  std::string t = text_;
  const std::string piece = normaliseLineBreaks(s);
  t.replace(selStart_, selLength_, piece);
  const int caretAt = selStart_ + static_cast<int>(piece.size());
  setTextKeepingUndo(std::move(t), canUndo);
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

int MemoryEditor::find(const std::string& what, int start, int length, bool wholeWord,
                       bool matchCase) const {
  if (what.empty() || start < 0 || start > textLength()) return -1;
  const int end = std::min<long long>(static_cast<long long>(start) + length, textLength());
  const int n = static_cast<int>(what.size());
  for (int i = start; i + n <= end; ++i) {
    bool same = true;
    for (int k = 0; k < n && same; ++k) {
      const auto a = static_cast<unsigned char>(text_[i + k]);
      const auto b = static_cast<unsigned char>(what[k]);
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

// A minimal RTF: enough for the logic's tests to tell the two modes apart and to round-trip.
// Like the control behind a fresh document, nothing changes unless the whole stream is read.
void MemoryEditor::load(const std::string& stream, const Font* startFormat, const std::function<bool()>& cancelled) {
  if (cancelled && cancelled()) throw LoadCancelled();
  std::string t;
  if (plainText_) {
    t = stream;
  } else {
    const std::string head = "{\\rtf1 ";
    if (stream.compare(0, head.size(), head) != 0 || stream.empty() || stream.back() != '}') throw Error("RTF");
    const std::string body = stream.substr(head.size(), stream.size() - head.size() - 1);
    for (std::size_t i = 0; i < body.size(); ++i) {
      if (body.compare(i, 5, "\\par ") == 0) {
        t += "\r\n";
        i += 4;
      } else if (body[i] == '\\' && i + 1 < body.size()) {
        t += body[++i];
      } else {
        t += body[i];
      }
    }
  }
  if (startFormat) defaultFormat_ = *startFormat;
  clear();
  text_ = normaliseLineBreaks(t);
}

std::string MemoryEditor::save() const {
  if (plainText_) return text_;
  std::string out = "{\\rtf1 ";
  for (std::size_t i = 0; i < text_.size(); ++i) {
    if (text_.compare(i, 2, "\r\n") == 0) {
      out += "\\par ";
      ++i;
    } else {
      if (text_[i] == '\\' || text_[i] == '{' || text_[i] == '}') out += '\\';
      out += text_[i];
    }
  }
  return out + "}";
}

}  // namespace kakipo::test
