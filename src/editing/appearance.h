// How the document looks: the word-wrap toggle and the next-open font applied to the editor.
#pragma once
#include "app/editor.h"
#include "app/form_window.h"
#include "app/window_state.h"

namespace kakipo {

class Appearance {
 public:
  Appearance(WindowState& state, Editor& memo1, FormWindow& form)
      : state_(state), memo1_(memo1), form_(form) {}

  // Wrap on: vertical scroll bar only; wrap off: both. Text, formats and modified flag stay.
  void wrapOnOff();
  void tbtnWrapClick();
  // The editor's default text format takes the next-open font; the selection's format is untouched.
  void applyNextOpenFont();

 private:
  WindowState& state_;
  Editor& memo1_;
  FormWindow& form_;
};

}  // namespace kakipo
