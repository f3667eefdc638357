// Which characters of the document's text Shift_JIS could not hold, and where they stand, for the
// question before such a save.
#pragma once
#include <string_view>
#include <vector>

#include "documents/document_ports.h"

namespace kakipo {

// Every character of the text that Shift_JIS cannot hold, in order. Lines end at CR, LF or CR LF; a
// column counts characters (code points: a surrogate pair is one). An escaped byte is held: it is
// written back as itself.
std::vector<LostCharacter> lostCharacters(std::string_view text);

}  // namespace kakipo
