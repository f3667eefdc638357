#include "app/progress_layout.h"

#include "core/progress.h"

namespace kakipo {

namespace {
// The dialog as designed, in client pixels, before any row is taken away.
constexpr int designClientWidth = 312;
constexpr int designClientHeight = 135;
constexpr Rect designBar{8, 81, 294, 17};
constexpr Rect designButton{70, 105, 180, 25};
constexpr int animationStrip = 60;
constexpr int buttonRow = 30;
constexpr int clips[] = {0, 150, 151, 152, 160, 161, 162, 163, 164};
}  // namespace

ProgressLayout progressLayout(bool cancelAllowed, int kind, Scale px) {
  ProgressLayout l;
  l.clipResource = kind >= clip::none && kind <= clip::last ? clips[kind] : 0;
  l.animationLeft = 0;
  l.animationTop = 13;
  l.bar = designBar;
  l.button = designButton;
  if (l.clipResource == 0) {
    l.heightReduction += animationStrip;
    l.bar.top -= animationStrip;
    l.button.top -= animationStrip;
  }
  if (!cancelAllowed) {
    l.heightReduction += buttonRow;
    l.buttonEnabled = false;
  }
  l.clientWidth = designClientWidth;
  l.clientHeight = designClientHeight - l.heightReduction;
  // Each length scales on its own, as the platform scales a dialog's units.
  l.heightReduction = px(l.heightReduction);
  l.clientWidth = px(l.clientWidth);
  l.clientHeight = px(l.clientHeight);
  l.animationLeft = px(l.animationLeft);
  l.animationTop = px(l.animationTop);
  l.bar = px(l.bar);
  l.button = px(l.button);
  return l;
}

}  // namespace kakipo
