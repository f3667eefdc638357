#include "documents/look_alikes.h"

#include "core/utf.h"

namespace kakipo {

namespace {

int indexOf(char32_t c) {
  for (std::size_t i = 0; i < cp932LookAlikes.size(); ++i)
    if (cp932LookAlikes[i].from == c) return static_cast<int>(i);
  return -1;
}

// Calls f(offset, length, table index) for every character of the table in the text. Every one
// of them is beyond ASCII, so ASCII bytes are passed over undecoded.
template <typename F>
void forEachLookAlike(std::string_view text, F f) {
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    const utf::Decoded d = utf::decode(text, i);
    if (const int k = indexOf(d.c); k >= 0) f(i, static_cast<std::size_t>(d.length), k);
    i += static_cast<std::size_t>(d.length);
  }
}

}  // namespace

char32_t cp932LookAlike(char32_t c) {
  const int k = indexOf(c);
  return k < 0 ? c : cp932LookAlikes[static_cast<std::size_t>(k)].to;
}

std::string withCp932LookAlikes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t copied = 0;
  forEachLookAlike(text, [&](std::size_t at, std::size_t length, int k) {
    out.append(text.substr(copied, at - copied));
    utf::append(out, cp932LookAlikes[static_cast<std::size_t>(k)].to);
    copied = at + length;
  });
  out.append(text.substr(copied));
  return out;
}

std::vector<TextEdit> cp932LookAlikeEdits(std::string_view text) {
  std::vector<TextEdit> edits;
  forEachLookAlike(text, [&](std::size_t at, std::size_t length, int k) {
    edits.push_back({static_cast<int>(at), static_cast<int>(length), {}});
    utf::append(edits.back().text, cp932LookAlikes[static_cast<std::size_t>(k)].to);
  });
  return edits;
}

std::vector<LookAlikeCount> cp932LookAlikeCounts(std::string_view text) {
  std::array<int, cp932LookAlikes.size()> counts{};
  forEachLookAlike(text, [&](std::size_t, std::size_t, int k) { ++counts[static_cast<std::size_t>(k)]; });
  std::vector<LookAlikeCount> found;
  for (std::size_t i = 0; i < counts.size(); ++i)
    if (counts[i] > 0) found.push_back({cp932LookAlikes[i], counts[i]});
  return found;
}

}  // namespace kakipo
