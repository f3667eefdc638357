// The program's keys: which command a key pressed with its modifiers runs before the editor or the
// phrase box sees it. Any other key goes on unchanged.
#pragma once
#include <optional>

#include "core/key_codes.h"

namespace kakipo {

enum class KeyCommand {
  New,              // Ctrl+N, the New button
  AnotherInstance,  // Ctrl+Shift+N, the right click on New
  Open,             // Ctrl+O
  OverwriteSave,    // Ctrl+S
  SaveAs,           // Ctrl+Shift+S
  Find,             // Ctrl+F
  Replace,          // Ctrl+H
  FindNext,         // F3: the last search again, towards the end
  FindPrevious,     // Shift+F3: towards the start
  Help,             // F1
  CountWindow,      // Ctrl+Shift+G, as in Word: the count window, opened or closed
  GoToLine,         // Ctrl+G
  ZoomIn,           // Ctrl++ (with or without Shift, as keyboards put +), Ctrl and the keypad's +
  ZoomOut,          // Ctrl+-, Ctrl and the keypad's -
  ZoomReset,        // Ctrl+0, Ctrl and the keypad's 0: back to 100 %
};

// The command of a key (a virtual-key code) held with exactly these modifiers; none for a key that
// goes on to the control with the focus (the paste keys among them, which the editor routes itself).
std::optional<KeyCommand> keyCommandOf(int key, ShiftState shift);

}  // namespace kakipo
