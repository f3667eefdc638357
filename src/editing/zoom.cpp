#include "editing/zoom.h"

#include <algorithm>

namespace kakipo {

int zoomedBy(int percent, int steps) {
  // A step never goes past the ends, however far it is asked to.
  const long long to = static_cast<long long>(percent) + static_cast<long long>(steps) * zoomStep;
  return static_cast<int>(std::clamp<long long>(to, minZoom, maxZoom));
}

void Zoom::wheel(int delta) {
  // Turning back drops what was left over the other way.
  if ((wheelRest_ > 0 && delta < 0) || (wheelRest_ < 0 && delta > 0)) wheelRest_ = 0;
  wheelRest_ += delta;
  const int steps = wheelRest_ / wheelNotch;
  wheelRest_ -= steps * wheelNotch;
  if (steps != 0) set(zoomedBy(percent_, steps));
}

void Zoom::set(int percent) {
  percent_ = percent;
  memo1_.setZoom(percent);
  shown_(percent);
}

}  // namespace kakipo
