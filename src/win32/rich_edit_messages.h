// Which messages leave a rich-edit control's text, and its line layout, as they were: the editor
// adapter keeps what it read from the control until a message that may change it.
#pragma once
#include <windows.h>

namespace kakipo::win32 {

// Messages after which the control's text is the same as before.
bool keepsText(UINT msg);
// Messages after which every line (a row, when wrapped) starts where it did: no new width, font
// or wrap.
bool keepsLines(UINT msg);

}  // namespace kakipo::win32
