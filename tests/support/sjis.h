// Shift_JIS file bytes for a test's text, written with the program's own codec.
#pragma once
#include <string>
#include <string_view>

#include "core/text_codec.h"

namespace kakipo::test {

inline std::string sjis(std::string_view text) { return encodeText(text, TextEncoding::ShiftJis); }

}  // namespace kakipo::test
