// The program's keys: which command a key pressed with its modifiers runs before the editor or the
// phrase box sees it. Every command is one the button bar or the status bar runs; any other key
// goes on unchanged.
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
};

// The command of a key (a virtual-key code) held with exactly these modifiers; none for a key that
// goes on to the control with the focus (the paste keys among them, which the editor routes itself).
std::optional<KeyCommand> keyCommandOf(int key, ShiftState shift);

}  // namespace kakipo
