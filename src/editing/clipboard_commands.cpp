#include "editing/clipboard_commands.h"

#include "core/text_codec.h"
#include "editing/editing_texts.h"

namespace kakipo {

bool ClipboardCommands::harituke(bool fromKeyboard) {
  if (!clipboard_.hasText()) return false;
  const std::string text = clipboard_.text();
  if (cp932Length(text) < largePasteBytes) {
    if (!fromKeyboard) memo1_.paste();
    return false;
  }
  if (ui_.messageBox(texts::pasteQuestion, texts::pasteCaption,
                     mb::okCancel | mb::iconInformation | mb::defButton1) == mb::idOk)
    pasteAsLines(text);
  return true;
}

// The control's ordinary paste of a text this size redraws and reflows as it goes; one insertion
// in front of the caret's line with redrawing off is what keeps it bearable.
void ClipboardCommands::pasteAsLines(const std::string& text) {
  const int line = memo1_.caret().line;
  UpdateScope update(memo1_);
  ProgressScope dialog(progress_, false, texts::pasteProgress);
  const int linesBefore = memo1_.lineCount();
  // Every character goes in as it is; a Shift_JIS document reports those it cannot hold before it
  // is saved.
  memo1_.insertLine(line, text);
  // The caret goes to the start of the former caret line, wherever the text's line breaks (which
  // the control may store differently from the clipboard) have moved it; counting lines keeps
  // this from measuring the whole document.
  memo1_.setSelStart(memo1_.lineStart(line + memo1_.lineCount() - linesBefore));
}

bool ClipboardCommands::memo1KeyDown(int key, ShiftState shift) {
  const bool pasteKey = (shift == modifier::shift && key == vk::insert) ||
                        (shift == modifier::ctrl && key == vk::keyV);
  return pasteKey && harituke(true);
}

}  // namespace kakipo
