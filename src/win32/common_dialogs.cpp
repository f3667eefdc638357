#include "win32/common_dialogs.h"

#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <vector>

#include "core/encoding_texts.h"
#include "documents/document_texts.h"
#include "win32/control_ids.h"
#include "win32/dpi.h"
#include "win32/encoding.h"
#include "win32/handles.h"
#include "win32/ui_resources.h"

namespace kakipo::win32 {

namespace {
// Long paths are allowed in the file name box; the dialog returns at most this many characters.
constexpr DWORD fileBufferChars = 32768;

// The Save dialog's encoding list: a child template (SAVE_ENCODING in kakipo.rc) below the file
// type, as the system's own editors have it. Its list is for plain text; a .kpo is RTF.
void lineUpWithFileType(HWND child) {
  const HWND dialog = GetParent(child);
  const auto placeLike = [&](int ownId, int theirId) {
    RECT their;
    const HWND theirs = GetDlgItem(dialog, theirId);
    const HWND own = GetDlgItem(child, ownId);
    if (!theirs || !own || !GetWindowRect(theirs, &their)) return;
    RECT mine;
    GetWindowRect(own, &mine);
    MapWindowPoints(nullptr, child, reinterpret_cast<POINT*>(&their), 2);  // a RECT is two POINTs
    MapWindowPoints(nullptr, child, reinterpret_cast<POINT*>(&mine), 2);
    MoveWindow(own, their.left, mine.top, their.right - their.left, mine.bottom - mine.top, TRUE);
  };
  placeLike(ids::saveEncodingLabel, stc2);
  placeLike(ids::saveEncodingList, cmb1);
}

void enableForPlainText(HWND child, int filterIndex) {
  EnableWindow(GetDlgItem(child, ids::saveEncodingList), filterIndex != filter::kakipo);
  EnableWindow(GetDlgItem(child, ids::saveEncodingLabel), filterIndex != filter::kakipo);
}

UINT_PTR CALLBACK saveEncodingHook(HWND child, UINT msg, WPARAM, LPARAM l) {
  if (msg == WM_INITDIALOG) {
    const auto* ofn = reinterpret_cast<const OPENFILENAMEW*>(l);
    auto* encoding = reinterpret_cast<TextEncoding*>(ofn->lCustData);
    SetWindowLongPtrW(child, DWLP_USER, reinterpret_cast<LONG_PTR>(encoding));
    SetDlgItemTextW(child, ids::saveEncodingLabel, widen(texts::saveEncodingLabel).c_str());
    const HWND list = GetDlgItem(child, ids::saveEncodingList);
    for (const TextEncoding e : allEncodings)
      SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(encodingName(e)).c_str()));
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(*encoding), 0);
    enableForPlainText(child, static_cast<int>(ofn->nFilterIndex));
    return TRUE;
  }
  if (msg != WM_NOTIFY) return 0;
  const auto* notify = reinterpret_cast<const OFNOTIFYW*>(l);
  switch (notify->hdr.code) {
    case CDN_INITDONE:
      lineUpWithFileType(child);
      break;
    case CDN_TYPECHANGE:
      enableForPlainText(child, static_cast<int>(notify->lpOFN->nFilterIndex));
      break;
    case CDN_FILEOK: {
      const auto chosen = SendDlgItemMessageW(child, ids::saveEncodingList, CB_GETCURSEL, 0, 0);
      auto* encoding = reinterpret_cast<TextEncoding*>(GetWindowLongPtrW(child, DWLP_USER));
      if (chosen >= 0 && chosen < static_cast<LRESULT>(allEncodings.size())) *encoding = allEncodings[chosen];
      break;
    }
    default:
      break;
  }
  return 0;
}

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
  return run(false, name, filterIndex, nullptr);
}

bool Win32FileDialogs::runSaveDialog(std::string& name, int& filterIndex, TextEncoding& encoding) {
  return run(true, name, filterIndex, &encoding);
}

bool Win32FileDialogs::run(bool save, std::string& name, int& filterIndex, TextEncoding* encoding) {
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
  // Chosen into a copy, so that a cancelled dialog leaves the caller's encoding alone.
  TextEncoding chosenEncoding = encoding ? *encoding : TextEncoding::ShiftJis;
  if (encoding) {
    ofn.Flags |= OFN_ENABLETEMPLATE | OFN_ENABLEHOOK;
    ofn.hInstance = GetModuleHandleW(nullptr);
    ofn.lpTemplateName = L"SAVE_ENCODING";
    ofn.lpfnHook = saveEncodingHook;
    ofn.lCustData = reinterpret_cast<LPARAM>(&chosenEncoding);
  }
  const BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (!ok) return false;
  if (encoding) *encoding = chosenEncoding;
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
  // No vertical ("@") faces: they lay kana on their side, and the memo is written across.
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_NOVERTFONTS;
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
