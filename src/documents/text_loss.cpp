#include "documents/text_loss.h"

namespace kakipo {

namespace {
constexpr bool isHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
constexpr bool isLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }
}  // namespace

std::vector<LostCharacter> lostCharacters(std::u16string_view text, HeldByCp932 held) {
  std::vector<LostCharacter> lost;
  int line = 0;
  int column = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (u == u'\r' || u == u'\n') {
      if (u == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      ++line;
      column = 0;
      continue;
    }
    if (isHighSurrogate(u) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
      lost.push_back({line, column, 0x10000 + ((char32_t{u} - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00)});
      ++i;
    } else if (!held(u)) {
      lost.push_back({line, column, u});
    }
    ++column;
  }
  return lost;
}

}  // namespace kakipo
