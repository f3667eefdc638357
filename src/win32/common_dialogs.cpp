#include "win32/common_dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "documents/document_texts.h"
#include "win32/dpi.h"
#include "win32/encoding.h"
#include "win32/handles.h"
#include "win32/ui_resources.h"

namespace kakipo::win32 {

namespace {
// Long paths are allowed in the file name box; the dialog returns at most this many characters.
constexpr DWORD fileBufferChars = 32768;
}  // namespace

std::wstring dialogFilter(const std::string& filter) {
  std::wstring out = widen(filter);
  for (auto& c : out)
    if (c == L'|') c = L'\0';
  out.push_back(L'\0');
  out.push_back(L'\0');
  return out;
}

bool Win32FileDialogs::runOpenDialog(std::string& name, int& filterIndex) {
  return run(false, name, filterIndex);
}

bool Win32FileDialogs::runSaveDialog(std::string& name, int& filterIndex) {
  return run(true, name, filterIndex);
}

bool Win32FileDialogs::run(bool save, std::string& name, int& filterIndex) {
  static const std::wstring filter = dialogFilter(texts::fileDialogFilter);
  std::vector<wchar_t> file(fileBufferChars, L'\0');
  const std::wstring seed = widen(name);
  std::copy_n(seed.begin(), std::min<std::size_t>(seed.size(), fileBufferChars - 1), file.begin());

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner_;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(filterIndex);
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = fileBufferChars;
  // No must-exist and no overwrite prompt: the program asks its own questions.
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  const BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (!ok) return false;
  name = narrow(file.data());
  filterIndex = static_cast<int>(ofn.nFilterIndex);
  return true;
}

LOGFONTW toLogFont(const Font& font) {
  LOGFONTW lf{};
  lf.lfHeight = font.height();
  lf.lfWeight = font.style.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.style.italic;
  lf.lfUnderline = font.style.underline;
  lf.lfStrikeOut = font.style.strikeOut;
  lf.lfCharSet = static_cast<BYTE>(font.charset);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = static_cast<BYTE>(font.pitch);
  const std::wstring face = widen(cutFaceName(font.name));
  wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return lf;
}

Font fromLogFont(const LOGFONTW& lf, COLORREF colour, int pixelsPerInch) {
  Font f(pixelsPerInch);
  f.setHeight(lf.lfHeight);
  f.charset = lf.lfCharSet;
  f.color = colour;
  f.name = cutFaceName(narrow(lf.lfFaceName));
  f.pitch = static_cast<Pitch>(lf.lfPitchAndFamily & 3) == Pitch::Fixed      ? Pitch::Fixed
            : static_cast<Pitch>(lf.lfPitchAndFamily & 3) == Pitch::Variable ? Pitch::Variable
                                                                             : Pitch::Default;
  f.style.bold = lf.lfWeight >= FW_BOLD;
  f.style.italic = lf.lfItalic != 0;
  f.style.underline = lf.lfUnderline != 0;
  f.style.strikeOut = lf.lfStrikeOut != 0;
  return f;
}

bool Win32FontColourDialogs::chooseFont(Font& font) {
  LOGFONTW lf = toLogFont(font);
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = owner_;
  cf.lpLogFont = &lf;
  cf.rgbColors = toColorRef(font.color);
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontW(&cf)) return false;
  // Colour left as it was (a system colour) stays that system colour.
  const Colour chosen = cf.rgbColors == toColorRef(font.color) ? font.color : cf.rgbColors;
  font = fromLogFont(lf, 0, systemDpi());
  font.color = chosen;
  return true;
}

bool Win32FontColourDialogs::chooseColour(Colour& colour) {
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner_;
  cc.rgbResult = toColorRef(colour);
  cc.lpCustColors = custom_.data();
  cc.Flags = CC_RGBINIT;
  if (!ChooseColorW(&cc)) return false;
  colour = cc.rgbResult;
  return true;
}

}  // namespace kakipo::win32
