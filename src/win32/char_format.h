// The logic's Font as a rich-edit character format and back.
#pragma once
#include <windows.h>
#include <richedit.h>

#include "core/font.h"

namespace kakipo::win32 {

// Colour, face, character set, pitch, the four styles and the size, all marked valid.
CHARFORMAT2W toCharFormat(const Font& font);
Font fromCharFormat(const CHARFORMAT2W& cf);

}  // namespace kakipo::win32
