// A plain-text file's bytes and the program's text (UTF-8) in both directions, in each encoding a
// document may have. Nothing is lost on the way in: a byte the encoding cannot decode becomes the
// escape that names it (core/utf.h) and is written back as that byte, so an undecodable byte
// survives an edit of its line. Line breaks are left as they are.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "core/text_encoding.h"

namespace kakipo {

// The file's text without its byte-order mark. A UTF-16 file's odd last byte is no unit and is not
// decoded; the caller keeps it. A UTF-16 lone surrogate is kept as it is.
std::string decodeText(std::string_view bytes, TextEncoding encoding);

// The text in the encoding, without a mark. Shift_JIS writes one "?" for each character it has no
// code for (the loss report asks before that happens); an escape is written as its byte in every
// encoding but UTF-16, which keeps every unit.
std::string encodeText(std::string_view text, TextEncoding encoding);

// Whether a Shift_JIS save writes the character as itself: a character of code page 932, or an
// escaped byte.
bool heldByCp932(char32_t c);

// The bytes the text takes in Shift_JIS, a character it cannot hold counting as its one "?".
std::size_t cp932Length(std::string_view text);

// At most maxBytes of the text as Shift_JIS counts them (cp932Length), cut between characters: the
// limits the program has always had (a settings value, a search text, a face name) stay as they
// were for every text Shift_JIS can hold.
std::string cutToCp932Length(std::string_view text, std::size_t maxBytes);

// The text as Shift_JIS bytes for a rule stated in them (the search engine's), a character it
// cannot hold as one `standIn` byte.
std::string cp932Bytes(std::string_view text, char standIn = '?');

}  // namespace kakipo
