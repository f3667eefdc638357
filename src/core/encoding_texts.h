// The names of the plain-text encodings as the status bar, its menu and the Save dialog show them,
// in the order of TextEncoding.
#pragma once
#include <array>
#include <string>

namespace kakipo::texts {

inline const std::array<std::string, 5> encodingNames = {"Shift_JIS", "UTF-8", "UTF-8 BOM", "UTF-16 LE",
                                                         "UTF-16 BE"};
// The status bar's encoding panel for a rich-text document, which is written as RTF whatever it holds.
inline const std::string richTextPanel = "RTF";

}  // namespace kakipo::texts
