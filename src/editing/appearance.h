// How the document looks: the word-wrap toggle and the next-open font applied to the editor, for
// the wrap button and for every new or opened document.
#pragma once
#include "core/editor.h"
#include "core/form_window.h"
#include "core/new_document_look.h"
#include "core/window_state.h"

namespace kakipo {

class Appearance : public NewDocumentLook {
 public:
  Appearance(WindowState& state, Editor& memo1, FormWindow& form)
      : state_(state), memo1_(memo1), form_(form) {}

  void wrapOnOff() override;
  // The word-wrap button: wrap follows the button, and the editor gets the focus back.
  void tbtnWrapClick();
  void applyNextOpenFont() override;

 private:
  WindowState& state_;
  Editor& memo1_;
  FormWindow& form_;
};

}  // namespace kakipo
