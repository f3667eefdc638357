// The font button (left: the selection's font; right: the background colour) and the next-open
// font button. One font dialog serves both and keeps its font between uses.
#pragma once
#include "core/editor.h"
#include "core/font.h"
#include "core/geometry.h"
#include "core/ui.h"
#include "core/window_state.h"
#include "editing/font_colour_dialogs.h"

namespace kakipo {

// The font of FontDialog1 before anything was chosen in it.
Font initialFontDialogFont();

class FontButtons {
 public:
  FontButtons(WindowState& state, Editor& memo1, MessageBoxes& ui, FontColourDialogs& dialogs)
      : state_(state), memo1_(memo1), ui_(ui), dialogs_(dialogs) {}

  // The selection takes the font chosen in the font dialog; without a selection it only tells.
  void tbtnFontClick();
  // The right button chooses the editor's background colour.
  void tbtnFontMouseDown(MouseButton button);
  // "Next font": the font dialog chooses the font of the next new or opened document.
  void tbtnJikFonClick();

 private:
  WindowState& state_;
  Editor& memo1_;
  MessageBoxes& ui_;
  FontColourDialogs& dialogs_;
  Font fontDialog1_ = initialFontDialogFont();
};

}  // namespace kakipo
