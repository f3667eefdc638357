#include "win32/ui_resources.h"

namespace kakipo::win32 {

namespace {
constexpr wchar_t uiFace[] = L"ＭＳ Ｐゴシック";
constexpr WORD programIconId = 1;  // kakipo.rc
}  // namespace

UniqueFont uiFont(int pixelHeight) {
  return UniqueFont(CreateFontW(-pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                uiFace));
}

HICON programIcon(int size) {
  if (auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(programIconId),
                                                IMAGE_ICON, size, size, LR_SHARED)))
    return icon;
  return static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, size, size, LR_SHARED));
}

COLORREF toColorRef(Colour c) {
  if (isSystemColour(c)) return GetSysColor(static_cast<int>(c & 0xFF));
  return static_cast<COLORREF>(c & 0x00FFFFFF);
}

}  // namespace kakipo::win32
