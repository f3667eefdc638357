// Process-wide state of the main window, shared by the commands of every subsystem. It lives for
// the whole run.
#pragma once
#include <array>
#include <string>

#include "core/colour.h"
#include "core/font.h"

namespace kakipo {

inline constexpr int phraseCount = 10;
inline constexpr int historyCount = 5;
// Fills an empty history slot; a file of that name is never opened from the history.
inline const std::string emptySlot = "nothing";

struct WindowState {
  bool secondInstance = false;
  Colour backColour = clWindow;
  std::array<std::string, phraseCount> phraseKeys;
  std::array<std::string, phraseCount> defaultPhrases;
  std::array<std::string, historyCount> history;
  int phraseIndex = 0;
  Font nextOpenFont;  // the font every new or opened document starts with
  // A close with unsaved text asks nothing; the text is restored at the next start.
  bool resumeAtClose = false;
  bool topmost = false;  // the window stays above every other (a setting)
};

}  // namespace kakipo
