#include "documents/plain_text_original.h"

#include <algorithm>

#include "core/text_codec.h"

namespace kakipo {

namespace {

// The document's lines: the text between its CR LF breaks.
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

}  // namespace

// No byte of a character in any of the encodings is a CR or LF but the break's own (a CP932 trail
// byte is 0x40 or above), so the breaks are found without decoding.
std::vector<PlainTextOriginal::Line> PlainTextOriginal::splitFileLines(std::string_view s, TextEncoding e) {
  std::vector<Line> out;
  const std::size_t unit = codeUnitBytes(e);
  const std::size_t n = s.size() / unit;
  const auto at = [&](std::size_t i) { return codeUnit(s, i, e); };
  std::size_t start = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned c = at(i);
    if (c != '\r' && c != '\n') continue;
    const std::size_t breakAt = i;
    if (c == '\r' && i + 1 < n && at(i + 1) == '\n') ++i;
    out.push_back({start * unit, breakAt * unit, (i + 1) * unit});
    start = i + 1;
  }
  out.push_back({start * unit, s.size(), s.size()});
  return out;
}

void PlainTextOriginal::remember(std::string bytes, TextEncoding encoding) {
  held_ = true;
  encoding_ = encoding;
  const std::string_view mark = byteOrderMark(encoding);
  const bool marked = !mark.empty() && bytes.starts_with(mark);
  mark_ = marked ? std::string(mark) : std::string();
  bytes_ = std::move(bytes);
  if (marked) bytes_.erase(0, mark.size());
  oddByte_.clear();
  if (isUtf16(encoding) && bytes_.size() % 2 != 0) {
    oddByte_ = bytes_.back();
    bytes_.pop_back();
  }
  segments_ = splitFileLines(bytes_, encoding);
  decoded_.clear();
  decodedStarts_.clear();
  for (const Line& g : segments_) {
    decodedStarts_.push_back(decoded_.size());
    decoded_ += decodeText(std::string_view(bytes_).substr(g.start, g.breakAt - g.start), encoding);
  }
  decodedStarts_.push_back(decoded_.size());
}

void PlainTextOriginal::forget() {
  held_ = false;
  mark_.clear();
  bytes_.clear();
  oddByte_.clear();
  segments_.clear();
  decoded_.clear();
  decodedStarts_.clear();
}

std::string PlainTextOriginal::bytesFor(std::string_view text, TextEncoding encoding) const {
  if (!held_ || encoding != encoding_) return std::string(byteOrderMark(encoding)) + encodeText(text, encoding);

  const auto now = splitLines(text);
  const std::size_t n0 = segments_.size();
  const std::size_t n1 = now.size();
  // Head lines are followed by a break in both texts; tail lines end both texts.
  std::size_t head = 0;
  while (head + 1 < std::min(n0, n1) && decodedLine(head) == now[head]) ++head;
  std::size_t tail = 0;
  while (tail < std::min(n0, n1) - head && decodedLine(n0 - 1 - tail) == now[n1 - 1 - tail]) ++tail;

  const std::string_view bytes(bytes_);
  const auto whole = [&](std::size_t i) {
    return bytes.substr(segments_[i].start, segments_[i].end - segments_[i].start);
  };
  std::string out = mark_;
  out.reserve(mark_.size() + bytes_.size() + 16);
  for (std::size_t i = 0; i < head; ++i) out += whole(i);
  // Edits within lines keep each line's own break; where lines came or went, the breaks in
  // between are CR LF.
  const bool sameLines = n0 == n1;
  for (std::size_t i = head; i < n1 - tail; ++i) {
    out += encodeText(now[i], encoding);
    if (i + 1 < n1) {
      const Line& g = segments_[i];
      if (sameLines && g.end > g.breakAt)
        out += bytes.substr(g.breakAt, g.end - g.breakAt);
      else
        out += crLf(encoding);
    }
  }
  for (std::size_t i = n0 - tail; i < n0; ++i) out += whole(i);
  return out + oddByte_;
}

}  // namespace kakipo
