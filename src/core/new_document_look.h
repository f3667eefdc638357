// How every new or freshly opened document looks, as the document commands ask for it: the wrap
// button's setting and the next-open font. Editing's Appearance provides it; app wires the two.
#pragma once

namespace kakipo {

class NewDocumentLook {
 public:
  virtual ~NewDocumentLook() = default;
  // Wrap on: vertical scroll bar only; wrap off: both. Text, formats and modified flag stay.
  virtual void wrapOnOff() = 0;
  // The editor's default text format takes the next-open font; the selection's format is untouched.
  virtual void applyNextOpenFont() = 0;
};

}  // namespace kakipo
