// Fuzzy search's fast scan against comparing at every character boundary, on texts and patterns
// drawn mostly from characters with several spellings; the text is its own allocation, so a read
// past it is caught.
#include <algorithm>
#include <memory>
#include <optional>

#include "core/utf.h"
#include "fuzz_input.h"
#include "search/fuzzy_reference.h"

namespace {

// Each input byte is one of these, or (above their count) the next two bytes as a UTF-16 unit,
// which may be half of a surrogate pair: the editor's text is any UTF-16, as WTF-8.
constexpr char16_t alphabet[] = {u'a', u'A', u'\uFF41', u'\uFF21', u'7', u'\uFF17', u' ', u'\u3000', u'~', u'\u301C',
                                 u'\uFF5E', u'-', u'\u2212', u'\u30AB', u'\u304B', u'\uFF76', u'\u30AC', u'\u304C',
                                 u'\uFF9E', u'\u3099', u'\u309B', u'\u30CF', u'\uFF8A', u'\u309A', u'\u6708', u'\u4F1A',
                                 u'\u00C9', u'\u00E9', u'\u017F', u's', u'\r', u'\n'};

std::string textOf(kakipo::fuzz::Input& in, std::size_t units) {
  std::u16string s;
  for (std::size_t i = 0; i < units && in.left() > 0; ++i) {
    const std::uint8_t b = in.byte();
    s += b < std::size(alphabet) * 7 ? alphabet[b % std::size(alphabet)] : static_cast<char16_t>(in.u16());
  }
  return kakipo::utf::fromUtf16(s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kakipo::fuzz::Input in(data, size);
  const std::uint16_t range = in.u16();
  const std::string pattern = textOf(in, 1 + in.byte() % 8);
  const std::string text = textOf(in, in.left());
  std::unique_ptr<char[]> buffer(new char[text.size()]);
  std::copy(text.begin(), text.end(), buffer.get());
  const std::string_view view(buffer.get(), text.size());

  const int n = static_cast<int>(text.size());
  const int from = n ? (range & 0xFF) % (n + 1) : 0;
  const int to = from + (n - from ? (range >> 8) * 97 % (n - from + 1) : 0);
  const auto all = kakipo::test::referenceFuzzyMatches(view, pattern, from, to);
  const kakipo::FuzzyPattern compiled(pattern);
  FUZZ_CHECK(compiled.find(view, from, to, true) == (all.empty() ? std::nullopt : std::optional(all.front())));
  FUZZ_CHECK(compiled.find(view, from, to, false) == (all.empty() ? std::nullopt : std::optional(all.back())));
  return 0;
}
