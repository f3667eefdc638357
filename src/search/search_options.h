// Bits of the option word that the common Find and Replace dialogs deliver; the search engine
// reads the search bits of the same word unchanged.
#pragma once

namespace kakipo::fr {

constexpr unsigned down = 0x1;
constexpr unsigned findNext = 0x2;
constexpr unsigned matchCase = 0x20;
constexpr unsigned replace = 0x200;
constexpr unsigned replaceAll = 0x400;
constexpr unsigned wholeWord = 0x800;

}  // namespace kakipo::fr
