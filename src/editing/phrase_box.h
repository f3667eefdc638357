// The phrase box: ten reusable phrases, inserted at the caret by a double click; the user picks a
// phrase, edits it in the box and presses Enter to store it at the end of the list.
#pragma once
#include "core/editor.h"
#include "core/window_state.h"
#include "editing/phrase_box_view.h"

namespace kakipo {

class PhraseBox {
 public:
  PhraseBox(WindowState& state, Editor& memo1, PhraseBoxView& box) : state_(state), memo1_(memo1), box_(box) {}

  // "Initialise the combo box", after the settings file is read: phrase 0 shown, selected and the
  // one the next Enter replaces.
  void comboSyokika();
  // Inserts the box text at the start of the editor's selection; the selected text stays.
  void ComboBox1DblClick();
  // True when the key was taken (Enter); any other key belongs to the box.
  bool ComboBox1KeyPress(char key);
  // The user chose an entry of the list.
  void ComboBox1Click();

 private:
  WindowState& state_;
  Editor& memo1_;
  PhraseBoxView& box_;
};

}  // namespace kakipo
