// The editor's context menu (clipboard commands) and the paste procedure shared by the menu and
// the paste keys, which inserts a large clipboard text as whole lines in one step.
#pragma once
#include <cstddef>

#include "core/editor.h"
#include "core/key_codes.h"
#include "core/progress.h"
#include "core/ui.h"
#include "editing/clipboard.h"

namespace kakipo {

// A clipboard text this long or longer (in bytes as Shift_JIS writes it, a character it cannot hold
// counting one) goes in as lines, after a question.
inline constexpr std::size_t largePasteBytes = 100000;

class ClipboardCommands {
 public:
  ClipboardCommands(Editor& memo1, MessageBoxes& ui, ProgressDialog& progress, Clipboard& clipboard)
      : memo1_(memo1), ui_(ui), progress_(progress), clipboard_(clipboard) {}

  void popUndoClick() { memo1_.undo(); }
  void popRedoClick() { memo1_.redo(); }
  void popCopyClick() { memo1_.copy(); }
  void popPasteClick() { harituke(false); }
  void popCutClick() { memo1_.cut(); }
  void popDelClick() { memo1_.deleteSelection(); }
  void popAllSelClick() { memo1_.selectAll(); }

  // "Paste". fromKeyboard leaves a small text to the editor's own key handling. Returns true
  // when the clipboard text was large, whatever the user answered: the paste key must then go no
  // further.
  bool harituke(bool fromKeyboard);

  // The editor's key-down. Returns true when the key was consumed and must not reach the editor.
  bool memo1KeyDown(int key, ShiftState shift);

 private:
  void pasteAsLines(const std::string& text);

  Editor& memo1_;
  MessageBoxes& ui_;
  ProgressDialog& progress_;
  Clipboard& clipboard_;
};

}  // namespace kakipo
