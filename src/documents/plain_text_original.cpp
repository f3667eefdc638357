#include "documents/plain_text_original.h"

#include <algorithm>

#include "core/cp932.h"

namespace kakipo {

namespace {

// Lines separated by CR LF in the encoding, as the editor gives them.
std::vector<std::string_view> splitLines(std::string_view s, TextEncoding encoding) {
  const std::string_view breakUnits = crLf(encoding);
  const std::size_t unit = codeUnitBytes(encoding);
  std::vector<std::string_view> out;
  std::size_t start = 0;
  for (std::size_t p = s.find(breakUnits); p != std::string_view::npos; p = s.find(breakUnits, p + unit)) {
    if (p % unit != 0) continue;  // a break's bytes straddling two UTF-16 units
    out.push_back(s.substr(start, p - start));
    start = p + breakUnits.size();
  }
  out.push_back(s.substr(start));
  return out;
}

// What survives the trip through Unicode whatever the code page table says: every single byte,
// and that a double-byte character stays one character. A file line and an editor line with the
// same shape are the same line.
bool sameCp932Shape(std::string_view fileLine, std::string_view editorLine) {
  std::size_t i = 0, j = 0;
  const std::size_t n = fileLine.size(), m = editorLine.size();
  while (i < n && j < m) {
    const auto a = static_cast<unsigned char>(fileLine[i]);
    const auto b = static_cast<unsigned char>(editorLine[j]);
    if (isLeadByte(a) != isLeadByte(b)) return false;
    if (isLeadByte(a)) {
      i += (i + 1 < n && fileLine[i + 1] != '\0') ? 2 : 1;
      j += 2;
    } else if (a == '\r' && fileLine.compare(i, 3, "\r\r\n") == 0) {
      if (b != ' ') return false;
      i += 3;
      ++j;
    } else {
      if (a != b) return false;
      ++i;
      ++j;
    }
  }
  return i == n && j == m;
}

// A Unicode encoding comes back unit for unit, but for the blank the editor makes of CR CR LF;
// anything it had to replace (invalid UTF-8) makes the line another one.
bool sameUnicodeLine(std::string_view fileLine, std::string_view editorLine, TextEncoding e) {
  const std::size_t n = fileLine.size() / codeUnitBytes(e), m = editorLine.size() / codeUnitBytes(e);
  std::size_t i = 0, j = 0;
  while (i < n && j < m) {
    const unsigned a = codeUnit(fileLine, i, e);
    const unsigned b = codeUnit(editorLine, j, e);
    if (a == '\r' && i + 2 < n && codeUnit(fileLine, i + 1, e) == '\r' && codeUnit(fileLine, i + 2, e) == '\n') {
      if (b != ' ') return false;
      i += 3;
    } else {
      if (a != b) return false;
      ++i;
    }
    ++j;
  }
  return i == n && j == m;
}

bool sameLine(std::string_view fileLine, std::string_view editorLine, TextEncoding e) {
  return e == TextEncoding::ShiftJis ? sameCp932Shape(fileLine, editorLine) : sameUnicodeLine(fileLine, editorLine, e);
}

}  // namespace

std::vector<PlainTextOriginal::Line> PlainTextOriginal::splitFileLines(std::string_view s, TextEncoding e) {
  std::vector<Line> out;
  const std::size_t unit = codeUnitBytes(e);
  const std::size_t n = s.size() / unit;  // a UTF-16 file's odd last byte stays with its last line
  const bool cp932 = e == TextEncoding::ShiftJis;
  const auto at = [&](std::size_t i) { return codeUnit(s, i, e); };
  std::size_t start = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned c = at(i);
    if (cp932 && isLeadByte(static_cast<unsigned char>(c))) {
      if (i + 1 < n && s[i + 1] != '\0') ++i;
    } else if (c == '\r' && i + 2 < n && at(i + 1) == '\r' && at(i + 2) == '\n') {
      i += 2;
    } else if (c == '\r' || c == '\n') {
      const std::size_t breakAt = i;
      if (c == '\r' && i + 1 < n && at(i + 1) == '\n') ++i;
      out.push_back({start * unit, breakAt * unit, (i + 1) * unit});
      start = i + 1;
    }
  }
  out.push_back({start * unit, s.size(), s.size()});
  return out;
}

void PlainTextOriginal::remember(std::string bytes, const std::string& rendition, TextEncoding encoding) {
  held_ = true;
  encoding_ = encoding;
  const std::string_view mark = byteOrderMark(encoding);
  const bool marked = !mark.empty() && bytes.starts_with(mark);
  mark_ = marked ? std::string(mark) : std::string();
  bytes_ = std::move(bytes);
  if (marked) bytes_.erase(0, mark.size());
  rendition_ = rendition;
  segments_.clear();
  lines_.clear();
  auto segments = splitFileLines(bytes_, encoding);
  auto lines = splitLines(rendition_, encoding);
  if (segments.size() != lines.size()) return;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto& g = segments[i];
    if (!sameLine(std::string_view(bytes_).substr(g.start, g.breakAt - g.start), lines[i], encoding)) return;
  }
  segments_ = std::move(segments);
  for (const auto l : lines) lines_.emplace_back(static_cast<std::size_t>(l.data() - rendition_.data()), l.size());
}

void PlainTextOriginal::forget() {
  held_ = false;
  mark_.clear();
  bytes_.clear();
  rendition_.clear();
  segments_.clear();
  lines_.clear();
}

std::string PlainTextOriginal::bytesFor(const std::string& rendition, TextEncoding encoding) const {
  if (!held_ || encoding != encoding_) return std::string(byteOrderMark(encoding)) + rendition;
  if (rendition == rendition_) return mark_ + bytes_;
  if (lines_.empty()) return mark_ + rendition;

  const auto now = splitLines(rendition, encoding);
  const std::size_t n0 = lines_.size();
  const std::size_t n1 = now.size();
  // Head lines are followed by a break in both texts; tail lines end both texts.
  std::size_t head = 0;
  while (head + 1 < std::min(n0, n1) && line(head) == now[head]) ++head;
  std::size_t tail = 0;
  while (tail < std::min(n0, n1) - head && line(n0 - 1 - tail) == now[n1 - 1 - tail]) ++tail;

  const std::string_view bytes(bytes_);
  const auto whole = [&](std::size_t i) {
    return bytes.substr(segments_[i].start, segments_[i].end - segments_[i].start);
  };
  std::string out = mark_;
  out.reserve(mark_.size() + rendition.size() + 16);
  for (std::size_t i = 0; i < head; ++i) out += whole(i);
  // Edits within lines keep each line's own break; where lines came or went, the breaks in
  // between are the editor's.
  const bool sameLines = n0 == n1;
  for (std::size_t i = head; i < n1 - tail; ++i) {
    out += now[i];
    if (i + 1 < n1) {
      const auto& g = segments_[i];
      if (sameLines && g.end > g.breakAt)
        out += bytes.substr(g.breakAt, g.end - g.breakAt);
      else
        out += crLf(encoding);
    }
  }
  for (std::size_t i = n0 - tail; i < n0; ++i) out += whole(i);
  return out;
}

}  // namespace kakipo
