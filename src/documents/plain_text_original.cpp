#include "documents/plain_text_original.h"

#include <algorithm>

namespace kakipo {

namespace {

// Lines separated by CR LF, as the editor gives them.
std::vector<std::string> splitLines(const std::string& s) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t p = s.find("\r\n"); p != std::string::npos; p = s.find("\r\n", start)) {
    out.push_back(s.substr(start, p - start));
    start = p + 2;
  }
  out.push_back(s.substr(start));
  return out;
}

// Pieces of the file as read, each with the break that ended it: CR LF, a bare CR or a bare LF
// (the editor turns each into one CR LF).
std::vector<std::string> splitSegments(const std::string& s) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' || s[i] == '\n') {
      if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
      out.push_back(s.substr(start, i + 1 - start));
      start = i + 1;
    }
  }
  out.push_back(s.substr(start));
  return out;
}

std::string breakOf(const std::string& segment) {
  if (segment.size() >= 2 && segment.compare(segment.size() - 2, 2, "\r\n") == 0) return "\r\n";
  if (!segment.empty() && (segment.back() == '\r' || segment.back() == '\n')) return segment.substr(segment.size() - 1);
  return "\r\n";
}

}  // namespace

void PlainTextOriginal::remember(std::string bytes, const std::string& rendition) {
  held_ = true;
  bytes_ = std::move(bytes);
  rendition_ = rendition;
  lines_ = splitLines(rendition_);
  segments_.clear();
  // The editor folds CR CR LF into something other than two breaks, and a NUL may end what it
  // takes in; pairing lines across those would write one line's bytes in another's place.
  if (bytes_.find("\r\r\n") != std::string::npos || bytes_.find('\0') != std::string::npos) return;
  auto segments = splitSegments(bytes_);
  if (segments.size() == lines_.size()) segments_ = std::move(segments);
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
  if (segments_.empty()) return rendition;

  const auto now = splitLines(rendition);
  const std::size_t n0 = lines_.size();
  const std::size_t n1 = now.size();
  // Head lines are followed by a break in both texts; tail lines end both texts.
  std::size_t head = 0;
  while (head + 1 < std::min(n0, n1) && lines_[head] == now[head]) ++head;
  std::size_t tail = 0;
  while (tail < std::min(n0, n1) - head && lines_[n0 - 1 - tail] == now[n1 - 1 - tail]) ++tail;

  std::string out;
  out.reserve(rendition.size());
  for (std::size_t i = 0; i < head; ++i) out += segments_[i];
  // Edits within lines keep each line's own break; where lines came or went, the breaks in
  // between are the editor's.
  const bool sameLines = n0 == n1;
  for (std::size_t i = head; i < n1 - tail; ++i) {
    out += now[i];
    if (i + 1 < n1) out += sameLines ? breakOf(segments_[i]) : std::string("\r\n");
  }
  for (std::size_t i = n0 - tail; i < n0; ++i) out += segments_[i];
  return out;
}

}  // namespace kakipo
