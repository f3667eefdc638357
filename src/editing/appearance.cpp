#include "editing/appearance.h"

namespace kakipo {

void Appearance::wrapOnOff() {
  const bool modified = memo1_.modified();
  if (form_.wrapButtonDown()) {
    memo1_.setWordWrap(true);
    memo1_.setScrollBars(ScrollBars::Vertical);
  } else {
    memo1_.setWordWrap(false);
    memo1_.setScrollBars(ScrollBars::Both);
  }
  memo1_.setModified(modified);
}

void Appearance::tbtnWrapClick() {
  wrapOnOff();
  memo1_.setFocus();
}

void Appearance::applyNextOpenFont() { memo1_.setDefaultFormat(state_.nextOpenFont); }

}  // namespace kakipo
