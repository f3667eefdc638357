// Which characters of the editor's text a plain-text (CP932) file could not hold, and where they
// stand, for the question before such a save.
#pragma once
#include <string_view>
#include <vector>

#include "documents/document_ports.h"

namespace kakipo {

// True for a UTF-16 unit that code page 932 has a character for.
using HeldByCp932 = bool (*)(char16_t unit);

// Every character of text that CP932 cannot hold, in order. Lines end at CR, LF or CR LF; a
// column counts characters, a surrogate pair as one (and never held, as CP932 has none).
std::vector<LostCharacter> lostCharacters(std::u16string_view text, HeldByCp932 held);

}  // namespace kakipo
