// The common Font and Colour dialogs as the font buttons run them.
#pragma once
#include "core/colour.h"
#include "core/font.h"

namespace kakipo {

class FontColourDialogs {
 public:
  virtual ~FontColourDialogs() = default;
  // Runs the font dialog (effects shown, no size limits) from font; on OK font holds the choice.
  virtual bool chooseFont(Font& font) = 0;
  // Runs the colour dialog from colour (a system colour shows as its current value); on OK
  // colour holds the choice.
  virtual bool chooseColour(Colour& colour) = 0;
};

}  // namespace kakipo
