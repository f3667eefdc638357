// The Font and Colour dialogs for native tests: answers from a queue, seeds recorded.
#pragma once
#include <deque>
#include <optional>
#include <stdexcept>
#include <vector>

#include "editing/font_colour_dialogs.h"

namespace kakipo::test {

class FakeFontColourDialogs : public FontColourDialogs {
 public:
  bool chooseFont(Font& font) override {
    fontSeeds.push_back(font);
    if (fontAnswers.empty()) throw std::logic_error("unexpected font dialog");
    auto a = fontAnswers.front();
    fontAnswers.pop_front();
    if (!a) return false;
    font = *a;
    return true;
  }
  bool chooseColour(Colour& colour) override {
    colourSeeds.push_back(colour);
    if (colourAnswers.empty()) throw std::logic_error("unexpected colour dialog");
    auto a = colourAnswers.front();
    colourAnswers.pop_front();
    if (!a) return false;
    colour = *a;
    return true;
  }

  std::deque<std::optional<Font>> fontAnswers;  // nullopt: Cancel
  std::deque<std::optional<Colour>> colourAnswers;
  std::vector<Font> fontSeeds;
  std::vector<Colour> colourSeeds;
};

}  // namespace kakipo::test
