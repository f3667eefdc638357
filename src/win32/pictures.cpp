#include "win32/pictures.h"

namespace kakipo::win32 {

namespace {

constexpr COLORREF maskColour = RGB(255, 0, 255);

// A solid pen selected into dc for a scope.
class Pen {
 public:
  Pen(HDC dc, COLORREF c, int width = 1) : pen_(CreatePen(PS_SOLID, width, c)), selected_(dc, pen_.get()) {}

 private:
  UniquePen pen_;
  Selected selected_;
};

void fill(HDC dc, int l, int t, int r, int b, COLORREF c) {
  const RECT rc{l, t, r, b};
  const UniqueBrush brush(CreateSolidBrush(c));
  FillRect(dc, &rc, brush.get());
}

void box(HDC dc, int l, int t, int r, int b, COLORREF edge, COLORREF inside) {
  fill(dc, l, t, r, b, edge);
  fill(dc, l + 1, t + 1, r - 1, b - 1, inside);
}

void line(HDC dc, int x1, int y1, int x2, int y2, COLORREF c, int w = 1) {
  Pen p(dc, c, w);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void letter(HDC dc, int x, int y, const wchar_t* s, COLORREF c, int height, bool bold = true) {
  const UniqueFont font(CreateFontW(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                    NONANTIALIASED_QUALITY, 0, L"Arial"));
  Selected selected(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, c);
  TextOutW(dc, x, y, s, lstrlenW(s));
}

const COLORREF ink = RGB(40, 40, 40);
const COLORREF paper = RGB(255, 255, 255);
const COLORREF blue = RGB(30, 80, 190);
const COLORREF yellow = RGB(240, 200, 70);
const COLORREF red = RGB(200, 40, 40);
const COLORREF green = RGB(40, 150, 60);

void page(HDC dc) {
  box(dc, 3, 1, 13, 15, ink, paper);
  for (int y = 5; y <= 11; y += 3) line(dc, 5, y, 11, y, RGB(150, 150, 150));
}
void disk(HDC dc) {
  box(dc, 1, 1, 15, 15, ink, blue);
  fill(dc, 4, 2, 12, 7, paper);
  fill(dc, 5, 10, 11, 15, RGB(200, 200, 200));
}

void drawToolbar(HDC dc, int i) {
  switch (i) {
    case 0:  // new
      page(dc);
      fill(dc, 10, 1, 16, 7, maskColour);
      line(dc, 12, 1, 12, 7, yellow, 2);
      line(dc, 9, 4, 16, 4, yellow, 2);
      break;
    case 1:  // open
      box(dc, 1, 5, 15, 14, ink, yellow);
      box(dc, 1, 3, 7, 6, ink, yellow);
      break;
    case 2:  // save as
      disk(dc);
      line(dc, 9, 14, 15, 8, red, 2);
      break;
    case 3:  // overwrite save
      disk(dc);
      break;
    case 4:  // font of the selection
      letter(dc, 1, 0, L"A", blue, 15);
      fill(dc, 2, 14, 14, 16, red);
      break;
    case 5:  // next-open font
      letter(dc, 0, 0, L"A", green, 13);
      line(dc, 9, 12, 15, 12, ink, 2);
      line(dc, 12, 9, 15, 12, ink);
      line(dc, 12, 15, 15, 12, ink);
      break;
    case 6:  // word wrap
      line(dc, 1, 3, 13, 3, ink, 2);
      line(dc, 13, 3, 13, 10, ink, 2);
      line(dc, 13, 10, 4, 10, ink, 2);
      line(dc, 4, 10, 7, 7, ink, 2);
      line(dc, 4, 10, 7, 13, ink, 2);
      break;
    case 7:  // find
      {
        Pen p(dc, blue, 2);
        Selected hollow(dc, GetStockObject(NULL_BRUSH));
        Ellipse(dc, 1, 1, 11, 11);
      }
      line(dc, 10, 10, 15, 15, ink, 3);
      break;
    case 8:  // replace
      letter(dc, 0, -1, L"a", blue, 10);
      letter(dc, 8, 6, L"b", red, 10);
      line(dc, 3, 12, 7, 12, ink);
      line(dc, 12, 2, 12, 5, ink);
      break;
    case 9:  // version and help
      {
        const UniqueBrush brush(CreateSolidBrush(blue));
        Selected inside(dc, brush.get());
        Pen p(dc, blue);
        Ellipse(dc, 0, 0, 16, 16);
      }
      letter(dc, 4, 1, L"?", paper, 14);
      break;
  }
}

void drawMenu(HDC dc, int i) {
  switch (i) {
    case 0:  // undo
      line(dc, 4, 6, 12, 6, blue, 2);
      line(dc, 12, 6, 12, 12, blue, 2);
      line(dc, 4, 6, 7, 3, blue, 2);
      line(dc, 4, 6, 7, 9, blue, 2);
      break;
    case 1:  // copy
      box(dc, 1, 1, 10, 11, ink, paper);
      box(dc, 6, 5, 15, 15, ink, paper);
      break;
    case 2:  // paste
      box(dc, 2, 2, 13, 15, ink, RGB(190, 150, 90));
      box(dc, 6, 6, 15, 15, ink, paper);
      break;
    case 3:  // cut
      line(dc, 4, 1, 11, 11, ink, 2);
      line(dc, 11, 1, 4, 11, ink, 2);
      box(dc, 1, 10, 7, 15, red, paper);
      box(dc, 9, 10, 15, 15, red, paper);
      break;
    case 4:  // delete
      line(dc, 3, 3, 13, 13, red, 3);
      line(dc, 13, 3, 3, 13, red, 3);
      break;
    case 5:  // select all
      box(dc, 1, 1, 15, 15, blue, RGB(200, 220, 255));
      break;
    case 6:  // quote in
      letter(dc, 1, 0, L">", green, 14);
      line(dc, 9, 4, 15, 4, ink);
      line(dc, 9, 8, 15, 8, ink);
      line(dc, 9, 12, 15, 12, ink);
      break;
    case 7:  // quote out
      letter(dc, 1, 0, L">", red, 14);
      line(dc, 1, 14, 8, 2, red, 2);
      break;
    case 8:  // redo: the undo arrow turned round
      line(dc, 12, 6, 4, 6, blue, 2);
      line(dc, 4, 6, 4, 12, blue, 2);
      line(dc, 12, 6, 9, 3, blue, 2);
      line(dc, 12, 6, 9, 9, blue, 2);
      break;
    default:  // spare pictures
      page(dc);
      break;
  }
}

void drawHelp(HDC dc, int i) {
  Pen p(dc, RGB(64, 64, 96));
  const UniqueBrush paper(CreateSolidBrush(i == 0 ? RGB(255, 255, 255) : RGB(255, 244, 170)));
  Selected inside(dc, paper.get());
  Rectangle(dc, 3, 1, 14, 15);
  for (int y = 4; y <= 11; y += 3) {
    MoveToEx(dc, 5, y, nullptr);
    LineTo(dc, 12, y);
  }
  if (i == 1) fill(dc, 1, 3, 5, 8, RGB(208, 48, 48));  // the selected node's ribbon
}

// Draws the 16-pixel design at another size: every coordinate, pen width and letter height of
// the drawing scales with it, and the strokes are laid down at the size they are shown at.
class DesignGrid {
 public:
  DesignGrid(HDC dc, int size) : dc_(size == pictureSize ? nullptr : dc) {
    if (!dc_) return;
    SetGraphicsMode(dc_, GM_ADVANCED);
    const float s = static_cast<float>(size) / pictureSize;
    const XFORM scale{s, 0, 0, s, 0, 0};
    SetWorldTransform(dc_, &scale);
  }
  ~DesignGrid() {
    if (!dc_) return;
    ModifyWorldTransform(dc_, nullptr, MWT_IDENTITY);
    SetGraphicsMode(dc_, GM_COMPATIBLE);
  }
  DesignGrid(const DesignGrid&) = delete;
  DesignGrid& operator=(const DesignGrid&) = delete;

 private:
  HDC dc_;  // null at the design size, drawn as it always was
};

UniqueImageList makeImages(int count, void (*draw)(HDC, int), int size) {
  UniqueImageList list(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0));
  if (!list) return list;
  const ScreenDc screen;
  const MemoryDc dc = memoryDcFor(screen.get());
  for (int i = 0; i < count; ++i) {
    const UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), size, size));
    {
      Selected into(dc.get(), bitmap.get());
      fill(dc.get(), 0, 0, size, size, maskColour);
      const DesignGrid grid(dc.get(), size);
      draw(dc.get(), i);
    }
    ImageList_AddMasked(list.get(), bitmap.get(), maskColour);
  }
  return list;
}

}  // namespace

UniqueImageList makeToolbarImages(int size) { return makeImages(10, drawToolbar, size); }
UniqueImageList makeMenuImages(int size) { return makeImages(11, drawMenu, size); }
UniqueImageList makeHelpImages(int size) { return makeImages(2, drawHelp, size); }

UniqueBitmap makeMenuBitmap(HIMAGELIST pictures, int index) {
  int size = pictureSize;
  ImageList_GetIconSize(pictures, &size, &size);
  const ScreenDc screen;
  const MemoryDc dc = memoryDcFor(screen.get());
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), size, size));
  Selected into(dc.get(), bitmap.get());
  fill(dc.get(), 0, 0, size, size, GetSysColor(COLOR_MENU));
  ImageList_Draw(pictures, index, dc.get(), 0, 0, ILD_TRANSPARENT);
  return bitmap;
}

}  // namespace kakipo::win32
