// Lengths the program gives in pixels at 96 dots per inch, turned into pixels of a display with
// another scale, so that a window at 144 dpi is laid out as at 96, only larger.
#pragma once
#include "core/geometry.h"

namespace kakipo {

// The resolution every length of the program is given at.
inline constexpr int designDpi = 96;

class Scale {
 public:
  // A resolution of 0 or less (a platform that cannot say) is taken as the design resolution.
  constexpr explicit Scale(int dpi = designDpi) : dpi_(dpi > 0 ? dpi : designDpi) {}
  constexpr int dpi() const { return dpi_; }

  // The length in pixels at this resolution, rounded half away from zero like the platform's
  // MulDiv, so a font height of -12 becomes -18 at 144 dpi as 12 becomes 18.
  constexpr int operator()(int length) const {
    const long long product = static_cast<long long>(length) * dpi_;
    return static_cast<int>((product >= 0 ? product + designDpi / 2 : product - designDpi / 2) / designDpi);
  }
  // The other way: a length in pixels at this resolution as a length at the design resolution.
  constexpr int toDesign(int pixels) const {
    const long long product = static_cast<long long>(pixels) * designDpi;
    return static_cast<int>((product >= 0 ? product + dpi_ / 2 : product - dpi_ / 2) / dpi_);
  }
  constexpr Rect operator()(const Rect& r) const {
    return {(*this)(r.left), (*this)(r.top), (*this)(r.width), (*this)(r.height)};
  }

  friend constexpr bool operator==(Scale, Scale) = default;

 private:
  int dpi_;
};

}  // namespace kakipo
