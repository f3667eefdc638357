// The main window's control ids and command numbers, for programs that find its controls or send
// it commands without linking its code: the window's own header, which holds constants only.
#pragma once
#include "win32/control_ids.h"

namespace kakipo::probe {

namespace ids = kakipo::win32::ids;

// The buttons of the bar, left to right.
namespace button {
using enum kakipo::win32::Button;
constexpr int count = kakipo::win32::buttonCount;
}  // namespace button

// The editor's context-menu commands, as command numbers.
namespace popup {
constexpr int popUndo = ids::firstPopup + win32::popUndo, popCopy = ids::firstPopup + win32::popCopy,
              popPaste = ids::firstPopup + win32::popPaste, popCut = ids::firstPopup + win32::popCut,
              popDel = ids::firstPopup + win32::popDel, popAllSel = ids::firstPopup + win32::popAllSel,
              popInyofIn = ids::firstPopup + win32::popInyofIn, popInyofOut = ids::firstPopup + win32::popInyofOut,
              popRedo = ids::firstPopup + win32::popRedo;
}  // namespace popup

}  // namespace kakipo::probe
