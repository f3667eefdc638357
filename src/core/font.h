// A font as the program keeps it: the next-open font, the font dialog's font and the editor's
// character formats. Size in points and height in pixels are two views of one value.
#pragma once
#include <cstddef>
#include <string>

#include "core/colour.h"
#include "core/display_scale.h"
#include "core/text_codec.h"

namespace kakipo {

enum class Pitch { Default = 0, Fixed = 1, Variable = 2 };

// The platform's number for the Shift_JIS character set.
inline constexpr int shiftJisCharset = 128;
// The face of every font the program makes itself.
inline const std::string defaultFaceName = "ＭＳ Ｐゴシック";

struct FontStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

class Font {
 public:
  static constexpr int designPixelsPerInch = designDpi;
  // Heights in pixels at the design resolution: 11 points, the document's text until the user
  // picks another; 9 points, the program's own controls and the font dialog before anything is
  // chosen in it.
  static constexpr int defaultHeight = -15;
  static constexpr int uiHeight = -12;

  int charset = shiftJisCharset;
  Colour color = clWindowText;
  std::string name = defaultFaceName;  // at most faceNameBytes, like LOGFONT's face name
  Pitch pitch = Pitch::Default;
  FontStyle style;

  explicit Font(int pixelsPerInch = designPixelsPerInch)
      : ppi_(pixelsPerInch > 0 ? pixelsPerInch : designPixelsPerInch) {}

  int height() const { return height_; }
  void setHeight(int h) { height_ = h; }
  // Points from pixels and back, rounded half away from zero like the platform's MulDiv.
  int size() const { return roundDiv(-height_ * 72, ppi_); }
  void setSize(int points) { height_ = -roundDiv(points * ppi_, 72); }
  int pixelsPerInch() const { return ppi_; }

  friend bool operator==(const Font&, const Font&) = default;

 private:
  static int roundDiv(long long num, long long den) {
    long long q = (num >= 0 ? num + den / 2 : num - den / 2) / den;
    return static_cast<int>(q);
  }
  int ppi_;
  int height_ = defaultHeight;
};

// The face name field of the platform's ANSI font records holds 31 bytes and a terminator; a name
// is kept to that however the platform is asked.
inline constexpr std::size_t faceNameBytes = 31;
inline std::string cutFaceName(const std::string& name) { return cutToCp932Length(name, faceNameBytes); }

}  // namespace kakipo
