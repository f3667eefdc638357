// How the document looks: the word-wrap toggle, the next-open font applied to the editor, the
// font buttons and the editor's background colour.
#pragma once
#include "core/colour.h"
#include "core/editor.h"
#include "core/font.h"
#include "core/form_window.h"
#include "core/new_document_look.h"
#include "core/ui.h"
#include "core/window_state.h"

namespace kakipo {

// The common Font and Colour dialogs.
class FontColourDialogs {
 public:
  virtual ~FontColourDialogs() = default;
  // Runs the font dialog (effects shown, no size limits) from font; on OK font holds the choice.
  virtual bool chooseFont(Font& font) = 0;
  // Runs the colour dialog from colour (a system colour shows as its current value); on OK
  // colour holds the choice.
  virtual bool chooseColour(Colour& colour) = 0;
};

class Appearance : public NewDocumentLook {
 public:
  Appearance(WindowState& state, Editor& memo1, FormWindow& form)
      : state_(state), memo1_(memo1), form_(form) {}

  void wrapOnOff() override;
  void tbtnWrapClick();
  void applyNextOpenFont() override;

 private:
  WindowState& state_;
  Editor& memo1_;
  FormWindow& form_;
};

inline const std::string noSelectionCaption = "カキポ ♪フォント変更する前に";
inline const std::string noSelectionText = "フォント変更する箇所を範囲選択しておいてね";

// The font of FontDialog1 before anything was chosen in it.
Font initialFontDialogFont();

// The font button (left: the selection's font; right: the background colour) and the next-open
// font button. One font dialog serves both and keeps its font between uses.
class FontButtons {
 public:
  FontButtons(WindowState& state, Editor& memo1, MessageBoxes& ui, FontColourDialogs& dialogs)
      : state_(state), memo1_(memo1), ui_(ui), dialogs_(dialogs) {}

  void tbtnFontClick();
  void tbtnFontMouseDown(MouseButton button);
  void tbtnJikFonClick();

 private:
  WindowState& state_;
  Editor& memo1_;
  MessageBoxes& ui_;
  FontColourDialogs& dialogs_;
  Font fontDialog1_ = initialFontDialogFont();
};

}  // namespace kakipo
