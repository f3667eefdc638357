#include "documents/text_loss.h"

#include "core/text_codec.h"
#include "core/utf.h"

namespace kakipo {

std::vector<LostCharacter> lostCharacters(std::string_view text) {
  std::vector<LostCharacter> lost;
  int line = 0;
  int column = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b == '\r' || b == '\n') {
      i += (b == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      ++line;
      column = 0;
      continue;
    }
    if (b < 0x80) {
      ++i;
      ++column;
      continue;
    }
    const utf::Decoded d = utf::decode(text, i);
    if (!heldByCp932(d.c)) lost.push_back({line, column, d.c});
    i += d.length;
    ++column;
  }
  return lost;
}

}  // namespace kakipo
