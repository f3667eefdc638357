#include "documents/plain_text_original.h"

#include <algorithm>

#include "core/cp932.h"

namespace kakipo {

namespace {

// Lines separated by CR LF, as the editor gives them.
std::vector<std::string_view> splitLines(std::string_view s) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  for (std::size_t p = s.find("\r\n"); p != std::string_view::npos; p = s.find("\r\n", start)) {
    out.push_back(s.substr(start, p - start));
    start = p + 2;
  }
  out.push_back(s.substr(start));
  return out;
}

// What survives the trip through Unicode whatever the code page table says: every single byte,
// and that a double-byte character stays one character. A file line and an editor line with the
// same shape are the same line.
bool sameShape(std::string_view fileLine, std::string_view editorLine) {
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

}  // namespace

std::vector<PlainTextOriginal::Line> PlainTextOriginal::splitFileLines(std::string_view s) {
  std::vector<Line> out;
  std::size_t start = 0;
  const std::size_t n = s.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (isLeadByte(c)) {
      if (i + 1 < n && s[i + 1] != '\0') ++i;
    } else if (c == '\r' && s.compare(i, 3, "\r\r\n") == 0) {
      i += 2;
    } else if (c == '\r' || c == '\n') {
      const std::size_t breakAt = i;
      if (c == '\r' && i + 1 < n && s[i + 1] == '\n') ++i;
      out.push_back({start, breakAt, i + 1});
      start = i + 1;
    }
  }
  out.push_back({start, n, n});
  return out;
}

void PlainTextOriginal::remember(std::string bytes, const std::string& rendition) {
  held_ = true;
  bytes_ = std::move(bytes);
  rendition_ = rendition;
  segments_.clear();
  lines_.clear();
  auto segments = splitFileLines(bytes_);
  auto lines = splitLines(rendition_);
  if (segments.size() != lines.size()) return;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto& g = segments[i];
    if (!sameShape(std::string_view(bytes_).substr(g.start, g.breakAt - g.start), lines[i])) return;
  }
  segments_ = std::move(segments);
  for (const auto l : lines) lines_.emplace_back(static_cast<std::size_t>(l.data() - rendition_.data()), l.size());
}

void PlainTextOriginal::forget() {
  held_ = false;
  bytes_.clear();
  rendition_.clear();
  segments_.clear();
  lines_.clear();
}

std::string PlainTextOriginal::bytesFor(const std::string& rendition) const {
  if (!held_) return rendition;
  if (rendition == rendition_) return bytes_;
  if (lines_.empty()) return rendition;

  const auto now = splitLines(rendition);
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
  std::string out;
  out.reserve(rendition.size() + 16);
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
        out += "\r\n";
    }
  }
  for (std::size_t i = n0 - tail; i < n0; ++i) out += whole(i);
  return out;
}

}  // namespace kakipo
