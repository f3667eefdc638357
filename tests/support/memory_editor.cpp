#include "support/memory_editor.h"

#include <algorithm>
#include <stdexcept>

#include "core/cp932.h"
#include "core/errors.h"
#include "support/cp932_table.h"

namespace kakipo::test {

namespace {
bool isWordByte(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
         c >= 0x80;
}
unsigned char fold(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; }
char16_t foldUnit(char16_t c) { return (c >= u'a' && c <= u'z') ? c - 32 : c; }
constexpr char standInByte = '?';

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

std::u16string normaliseLineBreaks(std::u16string_view s) {
  std::u16string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == u'\r' || s[i] == u'\n') {
      out += u"\r\n";
      if (s[i] == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n') ++i;
    } else {
      out += s[i];
    }
  }
  return out;
}

MemoryEditor::Piece MemoryEditor::cp932Piece(const std::string& s) {
  Piece p{normaliseLineBreaks(s), {}};
  p.standIns.assign(p.bytes.size(), 0);
  return p;
}

MemoryEditor::Piece MemoryEditor::unicodePiece(std::u16string_view units) {
  Piece p;
  for (const char16_t u : normaliseLineBreaks(units)) {
    const std::string& bytes = cp932Of(u);
    if (bytes.empty()) {
      p.bytes += standInByte;
      p.standIns += u;
    } else {
      p.bytes += bytes;
      p.standIns.append(bytes.size(), 0);
    }
  }
  return p;
}

std::u16string MemoryEditor::units(std::vector<int>* offsets) const {
  std::u16string out;
  if (offsets) offsets->clear();
  const std::size_t n = text_.size();
  for (std::size_t i = 0; i < n;) {
    if (offsets) offsets->push_back(static_cast<int>(i));
    if (standIns_[i] != 0) {
      out += standIns_[i++];
    } else if (text_.compare(i, 2, "\r\n") == 0) {
      out += u'\r';
      i += 2;
    } else {
      const std::size_t width = isLeadByte(static_cast<unsigned char>(text_[i])) && i + 1 < n ? 2 : 1;
      out += unitOfCp932(std::string_view(text_).substr(i, width));
      i += width;
    }
  }
  if (offsets) offsets->push_back(static_cast<int>(n));
  return out;
}

std::u16string MemoryEditor::decodeUnicode(const std::string& stream) const {
  if (isUtf16(encoding_)) return utf16FromBytes(stream, encoding_ == TextEncoding::Utf16Le);
  return utf16FromUtf8(stream);
}

void MemoryEditor::clear() {
  text_.clear();
  standIns_.clear();
  selStart_ = selLength_ = firstVisible_ = 0;
  canUndo_ = false;
  modified_ = false;
}

void MemoryEditor::setText(const std::string& s) {
  clear();
  Piece p = cp932Piece(s);
  text_ = std::move(p.bytes);
  standIns_ = std::move(p.standIns);
}

void MemoryEditor::select(int start, int length) {
  setSelStart(start);
  setSelLength(length);
}

std::string MemoryEditor::searchText() const {
  std::string out = text_;
  for (std::size_t i = 0; i < out.size(); ++i)
    if (standIns_[i] != 0) out[i] = '\0';
  return out;
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

void MemoryEditor::edit(int start, int length, const Piece& piece, bool canUndo) {
  Piece t{text_, standIns_};
  t.bytes.replace(start, length, piece.bytes);
  t.standIns.replace(start, length, piece.standIns);
  setTextKeepingUndo(std::move(t), canUndo);
}

void MemoryEditor::replaceLine(int index, const std::string& s) {
  const int start = lineStart(index);
  if (start < 0) throw std::out_of_range("line index");
  edit(start, lineLength(index), cp932Piece(s), false);
}

void MemoryEditor::insertLine(int index, const std::string& s) { insertPieceAsLine(index, cp932Piece(s)); }

void MemoryEditor::insertLineUtf8(int index, const std::string& s) {
  insertPieceAsLine(index, unicodePiece(utf16FromUtf8(s)));
}

void MemoryEditor::insertPieceAsLine(int index, Piece piece) {
  const int count = lineCount();
  if (index < 0 || index > count) throw std::out_of_range("line index");
  const Piece lineBreak = cp932Piece("\r\n");
  if (index == count) {
    if (!text_.empty()) {
      piece.bytes.insert(0, lineBreak.bytes);
      piece.standIns.insert(0, lineBreak.standIns);
    }
    edit(textLength(), 0, piece, false);
  } else {
    piece.bytes += lineBreak.bytes;
    piece.standIns += lineBreak.standIns;
    edit(lineStart(index), 0, piece, false);
  }
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

void MemoryEditor::setTextKeepingUndo(Piece piece, bool canUndo) {
  if (canUndo) {
    undoText_ = text_;
    undoStandIns_ = standIns_;
    canUndo_ = true;
  }
  text_ = std::move(piece.bytes);
  standIns_ = std::move(piece.standIns);
  modified_ = true;
  clampSelection();
}

void MemoryEditor::replaceSel(const std::string& s, bool canUndo) {
  const Piece piece = cp932Piece(s);
  const int caretAt = selStart_ + static_cast<int>(piece.bytes.size());
  edit(selStart_, selLength_, piece, canUndo);
  selStart_ = caretAt;
  selLength_ = 0;
}

void MemoryEditor::replaceSelUtf8(const std::string& s, bool canUndo) {
  const Piece piece = unicodePiece(utf16FromUtf8(s));
  const int caretAt = selStart_ + static_cast<int>(piece.bytes.size());
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
  standIns_.swap(undoStandIns_);
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
  // A stand-in is a zero byte here, which no search text holds: the control never matches a
  // character CP932 cannot hold against "?".
  const std::string text = searchText();
  for (int i = start; i + n <= end; ++i) {
    bool same = true;
    for (int k = 0; k < n && same; ++k) {
      const auto a = static_cast<unsigned char>(text[i + k]);
      const auto b = static_cast<unsigned char>(what[k]);
      same = matchCase ? a == b : fold(a) == fold(b);
    }
    if (!same) continue;
    if (wholeWord) {
      const bool before = i > 0 && isWordByte(static_cast<unsigned char>(text[i - 1]));
      const bool after = i + n < textLength() && isWordByte(static_cast<unsigned char>(text[i + n]));
      if (before || after) continue;
    }
    return i;
  }
  return -1;
}

std::vector<int> MemoryEditor::matchesUtf8(const std::string& what, int start, int end, bool matchCase) const {
  std::vector<int> found;
  std::u16string needle;
  for (const char16_t u : normaliseLineBreaks(utf16FromUtf8(what)))
    if (u != u'\n') needle += u;  // the control keeps a line break as one CR
  if (needle.empty() || start < 0 || start > textLength()) return found;
  std::vector<int> offsets;
  const std::u16string hay = units(&offsets);
  const auto same = [&](char16_t a, char16_t b) { return matchCase ? a == b : foldUnit(a) == foldUnit(b); };
  for (std::size_t i = 0; i + needle.size() <= hay.size(); ++i) {
    if (offsets[i] < start || offsets[i + needle.size()] > end) continue;
    if (!std::equal(needle.begin(), needle.end(), hay.begin() + static_cast<std::ptrdiff_t>(i), same)) continue;
    found.push_back(offsets[i]);
    i += needle.size() - 1;
  }
  return found;
}

int MemoryEditor::findUtf8(const std::string& what, int start, int length, bool matchCase, bool down) const {
  const int end = static_cast<int>(std::min<long long>(static_cast<long long>(start) + std::max(length, 0), textLength()));
  if (down) {
    const auto found = matchesUtf8(what, start, end, matchCase);
    return found.empty() ? -1 : found.front();
  }
  // The last match may overlap the one before it, which a scan for non-overlapping ones skips.
  for (int from = end; from >= start; --from) {
    const auto found = matchesUtf8(what, from, end, matchCase);
    if (!found.empty() && found.front() == from) return from;
  }
  return -1;
}

std::vector<int> MemoryEditor::findAllUtf8(const std::string& what, int start, bool matchCase) const {
  return matchesUtf8(what, start, textLength(), matchCase);
}

// A minimal RTF: enough for the logic's tests to tell the two modes apart and to round-trip,
// characters CP932 cannot hold as \uN? like the control's. Like the control behind a fresh
// document, nothing changes unless the whole stream is read.
void MemoryEditor::load(const std::string& stream, const Font* startFormat, const std::function<bool()>& cancelled) {
  if (cancelled && cancelled()) throw LoadCancelled();
  Piece t;
  if (plainText_ && encoding_ == TextEncoding::ShiftJis) {
    t = cp932Piece(stream);
  } else if (plainText_) {
    t = unicodePiece(decodeUnicode(stream));
  } else {
    const std::string head = "{\\rtf1 ";
    if (stream.compare(0, head.size(), head) != 0 || stream.empty() || stream.back() != '}') throw Error("RTF");
    const std::string body = stream.substr(head.size(), stream.size() - head.size() - 1);
    std::string bytes;  // CP932 text not yet in t
    const auto flush = [&] {
      const Piece piece = cp932Piece(bytes);
      t.bytes += piece.bytes;
      t.standIns += piece.standIns;
      bytes.clear();
    };
    for (std::size_t i = 0; i < body.size(); ++i) {
      if (body.compare(i, 5, "\\par ") == 0) {
        bytes += "\r\n";
        i += 4;
      } else if (body.compare(i, 2, "\\u") == 0) {
        const std::size_t end = body.find('?', i);
        const auto unit = static_cast<char16_t>(std::stoi(body.substr(i + 2, end - i - 2)));
        flush();
        const Piece piece = unicodePiece(std::u16string(1, unit));
        t.bytes += piece.bytes;
        t.standIns += piece.standIns;
        i = end;
      } else if (body[i] == '\\' && i + 1 < body.size()) {
        bytes += body[++i];
      } else {
        bytes += body[i];
      }
    }
    flush();
  }
  if (startFormat) defaultFormat_ = *startFormat;
  clear();
  text_ = std::move(t.bytes);
  standIns_ = std::move(t.standIns);
}

std::string MemoryEditor::save() const {
  if (plainText_ && encoding_ == TextEncoding::ShiftJis) return text_;
  if (plainText_) {
    std::u16string all;
    for (const char16_t u : units()) all += u == u'\r' ? std::u16string(u"\r\n") : std::u16string(1, u);
    if (isUtf16(encoding_)) return utf16Bytes(all, encoding_ == TextEncoding::Utf16Le);
    return utf8FromUtf16(all);
  }
  std::string out = "{\\rtf1 ";
  for (std::size_t i = 0; i < text_.size(); ++i) {
    if (text_.compare(i, 2, "\r\n") == 0) {
      out += "\\par ";
      ++i;
    } else if (standIns_[i] != 0) {
      out += "\\u" + std::to_string(standIns_[i]) + "?";
    } else {
      if (text_[i] == '\\' || text_[i] == '{' || text_[i] == '}') out += '\\';
      out += text_[i];
    }
  }
  return out + "}";
}

std::string MemoryEditor::textUtf8() const {
  std::u16string all;
  for (const char16_t u : units()) all += u == u'\r' ? std::u16string(u"\r\n") : std::u16string(1, u);
  return utf8FromUtf16(all);
}

}  // namespace kakipo::test
