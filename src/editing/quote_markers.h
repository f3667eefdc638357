// Quote markers: a leading ">" put on or taken off every hard line the selection touches, as in
// a mail reply.
#pragma once
#include "core/editor.h"
#include "core/ui.h"

namespace kakipo {

class QuoteMarkers {
 public:
  QuoteMarkers(Editor& memo1, MessageBoxes& ui) : memo1_(memo1), ui_(ui) {}

  // "Quote in" and "quote out": a ">" put on or taken off the start of every line selected.
  void inyofIn();
  void inyofOut();
  void popInyofInClick() { inyofIn(); }
  void popInyofOutClick() { inyofOut(); }

 private:
  enum class Direction { In, Out };
  void run(Direction direction);

  Editor& memo1_;
  MessageBoxes& ui_;
};

// The nearest character boundary at or before offset: an offset inside a character, between a
// character and its variation selector, or between the CR and LF of a line break moves back to
// that character's start. Costs one line.
int characterStartAtOrBefore(const Editor& editor, int offset);

}  // namespace kakipo
