#include "editing/font_buttons.h"

#include "editing/editing_texts.h"

namespace kakipo {

Font initialFontDialogFont() {
  Font f;
  f.charset = shiftJisCharset;
  f.color = clWindowText;
  f.setHeight(Font::uiHeight);
  f.name = defaultFaceName;
  f.style = {};
  return f;
}

void FontButtons::tbtnFontClick() {
  if (memo1_.selLength() == 0) {
    ui_.messageBox(texts::fontNoSelectionText, texts::fontNoSelectionCaption, mb::ok | mb::iconInformation);
    return;
  }
  Font chosen = fontDialog1_;
  if (dialogs_.chooseFont(chosen)) {
    fontDialog1_ = chosen;
    memo1_.setSelectionFormat(chosen);
  }
  memo1_.setFocus();
}

void FontButtons::tbtnFontMouseDown(MouseButton button) {
  if (button != MouseButton::Right) return;
  Colour colour = memo1_.backgroundColour();
  if (!dialogs_.chooseColour(colour)) return;
  memo1_.setBackgroundColour(colour);
  state_.backColour = colour;
}

void FontButtons::tbtnJikFonClick() {
  // The dialog keeps the next-open font even when cancelled, so the selection's font dialog
  // starts from it next time.
  fontDialog1_ = state_.nextOpenFont;
  Font chosen = fontDialog1_;
  if (dialogs_.chooseFont(chosen)) {
    fontDialog1_ = chosen;
    state_.nextOpenFont = chosen;
  }
  memo1_.setFocus();
}

}  // namespace kakipo
