// How large the document is shown: the zoom keys and Ctrl with the mouse wheel step it by 10 %
// between 10 % and 500 %; the fonts, and what is saved, never change. Kept for the session.
#pragma once
#include <functional>

#include "core/editor.h"

namespace kakipo {

inline constexpr int normalZoom = 100;
inline constexpr int minZoom = 10;
inline constexpr int maxZoom = 500;
inline constexpr int zoomStep = 10;
// What one notch of a mouse wheel reports; finer wheels report parts of it.
inline constexpr int wheelNotch = 120;

// percent moved by steps of zoomStep (negative: smaller), held between minZoom and maxZoom.
int zoomedBy(int percent, int steps);

class Zoom {
 public:
  // shown: told the new percentage after every change, for the status bar and the system menu.
  Zoom(Editor& memo1, std::function<void(int)> shown) : memo1_(memo1), shown_(std::move(shown)) {}

  void zoomIn() { set(zoomedBy(percent_, 1)); }
  void zoomOut() { set(zoomedBy(percent_, -1)); }
  void reset() { set(normalZoom); }
  // Ctrl with the wheel turned by delta (positive: away from the user, larger): one step a notch,
  // the parts of a notch that finer wheels report added up until they make one.
  void wheel(int delta);
  int percent() const { return percent_; }
  // Tells the current percentage, as at start-up.
  void show() { shown_(percent_); }

 private:
  void set(int percent);

  Editor& memo1_;
  std::function<void(int)> shown_;
  int percent_ = normalZoom;
  int wheelRest_ = 0;
};

}  // namespace kakipo
