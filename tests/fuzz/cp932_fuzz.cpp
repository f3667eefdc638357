// The CP932 byte rules on any bytes: a cut is the longest prefix within the limit that ends on a
// whole character; upper-casing changes exactly the bytes a-z; a path's name and extension begin
// at character starts just after the last separator and at the last dot.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/cp932.h"
#include "fuzz_input.h"

namespace {

using kakipo::isLeadByte;

// Where each character of s starts, walking it the way the editor reads CP932.
std::vector<bool> characterStarts(const std::string& s) {
  std::vector<bool> starts(s.size() + 1, false);
  std::size_t i = 0;
  for (; i < s.size(); i += isLeadByte(static_cast<unsigned char>(s[i])) ? 2 : 1) starts[i] = true;
  starts[std::min(i, s.size())] = i == s.size();
  return starts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kakipo::fuzz::Input in(data, size);
  const std::size_t limit = in.byte();
  const std::string text = in.rest();
  const auto starts = characterStarts(text);

  const std::string cut = kakipo::cutAtCharBoundary(text, limit);
  FUZZ_CHECK(cut.size() <= limit && text.compare(0, cut.size(), cut) == 0);
  FUZZ_CHECK(starts[cut.size()]);
  // The next character would not fit, or is a lone lead byte at the very end.
  if (cut.size() < std::min(limit, text.size())) {
    const std::size_t width = isLeadByte(static_cast<unsigned char>(text[cut.size()])) ? 2 : 1;
    FUZZ_CHECK(cut.size() + width > std::min(limit, text.size()));
  }

  const std::string upper = kakipo::upperAscii(text);
  FUZZ_CHECK(upper.size() == text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    FUZZ_CHECK(static_cast<unsigned char>(upper[i]) == (c < 0x80 ? std::toupper(c) : c));
  }

  const auto parts = kakipo::pathParts(text);
  FUZZ_CHECK(parts.nameStart <= parts.extensionStart && parts.extensionStart <= text.size());
  const auto separator = [](char c) { return c == '\\' || c == '/' || c == ':'; };
  if (parts.nameStart > 0) FUZZ_CHECK(starts[parts.nameStart - 1] && separator(text[parts.nameStart - 1]));
  if (parts.extensionStart < text.size()) FUZZ_CHECK(starts[parts.extensionStart] && text[parts.extensionStart] == '.');
  for (std::size_t i = parts.nameStart; i < text.size(); ++i) {
    if (!starts[i]) continue;
    FUZZ_CHECK(!separator(text[i]));
    if (i > parts.extensionStart) FUZZ_CHECK(text[i] != '.');
    if (parts.extensionStart == text.size()) FUZZ_CHECK(text[i] != '.');
  }
  return 0;
}
