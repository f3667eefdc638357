#include "win32/char_format.h"

#include "win32/encoding.h"
#include "win32/ui_resources.h"

namespace kakipo::win32 {

namespace {
constexpr int twipsPerPoint = 20;  // the control measures a character's height in twips
}  // namespace

CHARFORMAT2W toCharFormat(const Font& font) {
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_COLOR | CFM_FACE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE |
              CFM_STRIKEOUT | CFM_SIZE;
  if (font.color == clWindowText)
    cf.dwEffects |= CFE_AUTOCOLOR;
  else
    cf.crTextColor = toColorRef(font.color);
  const std::wstring face = widen(cutFaceName(font.name));
  lstrcpynW(cf.szFaceName, face.c_str(), LF_FACESIZE);
  cf.bCharSet = static_cast<BYTE>(font.charset);
  cf.bPitchAndFamily = font.pitch == Pitch::Fixed ? FIXED_PITCH : font.pitch == Pitch::Variable ? VARIABLE_PITCH : DEFAULT_PITCH;
  if (font.style.bold) cf.dwEffects |= CFE_BOLD;
  if (font.style.italic) cf.dwEffects |= CFE_ITALIC;
  if (font.style.underline) cf.dwEffects |= CFE_UNDERLINE;
  if (font.style.strikeOut) cf.dwEffects |= CFE_STRIKEOUT;
  cf.yHeight = font.size() * twipsPerPoint;
  return cf;
}

Font fromCharFormat(const CHARFORMAT2W& cf) {
  Font f;
  f.color = (cf.dwEffects & CFE_AUTOCOLOR) ? clWindowText : static_cast<Colour>(cf.crTextColor);
  f.name = narrow(cf.szFaceName);
  f.charset = cf.bCharSet;
  const int pitch = cf.bPitchAndFamily & 0x3;
  f.pitch = pitch == FIXED_PITCH ? Pitch::Fixed : pitch == VARIABLE_PITCH ? Pitch::Variable : Pitch::Default;
  f.style.bold = cf.dwEffects & CFE_BOLD;
  f.style.italic = cf.dwEffects & CFE_ITALIC;
  f.style.underline = cf.dwEffects & CFE_UNDERLINE;
  f.style.strikeOut = cf.dwEffects & CFE_STRIKEOUT;
  f.setSize((cf.yHeight + twipsPerPoint / 2) / twipsPerPoint);
  return f;
}

}  // namespace kakipo::win32
