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
// Messages that may add a step to the control's undo history or take one from it: edits of the
// text or its formats, and every key but those that only move the caret or the view. A mouse
// button may start a drag that moves text; that shows in the text itself.
bool mayTouchUndo(UINT msg, WPARAM w);

}  // namespace kakipo::win32
