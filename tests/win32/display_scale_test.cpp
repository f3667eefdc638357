// The main window laid out for the display it is on: at the resolution of the Wine prefix the
// test runs in (ctest also runs these at 144 dpi, with KAKIPO_DPI=144), and after the window is
// told it moved to a display with another scale.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/main_window_layout.h"
#include "win32/main_window.h"
#include "win32/window_probe.h"

namespace kakipo::win32 {
namespace {

using test::pump;
using test::windowRect;

// The columns of a square picture that hold anything but white: from the first to the last.
std::pair<int, int> drawnColumns(HIMAGELIST pictures, int index, int size) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const RECT all{0, 0, size, size};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ImageList_Draw(pictures, index, dc, 0, 0, ILD_TRANSPARENT);
  int first = size, last = -1;
  for (int x = 0; x < size; ++x)
    for (int y = 0; y < size; ++y)
      if ((GetPixel(dc, x, y) & 0xFFFFFF) != 0xFFFFFF) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return {first, last};
}

struct ScaledMainWindow : ::testing::Test {
  MainWindow form{false};
  void SetUp() override {
    form.show("kakipo.exe", SW_SHOWNOACTIVATE);
    pump();
    // The prefix chosen for this run must really give the window its resolution.
    if (const char* asked = std::getenv("KAKIPO_DPI")) {
      ASSERT_EQ(form.dpi(), std::atoi(asked));
    }
  }

  // Bars, editor and status bar stacked without overlapping, each sized for the window's display.
  void expectLaidOutFor(Scale px) {
    const RECT client = test::clientRect(form.hwnd());
    POINT origin{0, 0};
    ClientToScreen(form.hwnd(), &origin);
    const RECT cool = windowRect(form.coolBar());
    const RECT tools = windowRect(form.toolBar());
    const RECT combo = windowRect(form.comboBox());
    const RECT memo = windowRect(form.memo1().hwnd());
    const RECT status = windowRect(form.statusBar());
    EXPECT_GE(cool.top, origin.y);
    EXPECT_GE(tools.top, cool.top);
    EXPECT_LE(tools.bottom, combo.top);
    EXPECT_LE(combo.bottom, cool.bottom);
    EXPECT_LE(cool.bottom, memo.top);
    EXPECT_LT(memo.top + px(50), memo.bottom);  // room left to write in
    EXPECT_LE(memo.bottom, status.top);
    EXPECT_EQ(status.bottom, origin.y + client.bottom);
    EXPECT_GE(status.bottom - status.top, px(mainlayout::statusBarHeight));
    const auto button = SendMessageW(form.toolBar(), TB_GETBUTTONSIZE, 0, 0);
    EXPECT_EQ(LOWORD(button), px(mainlayout::buttonSize));
    EXPECT_EQ(HIWORD(button), px(mainlayout::buttonSize));
    int parts[5] = {};
    ASSERT_EQ(SendMessageW(form.statusBar(), SB_GETPARTS, 5, reinterpret_cast<LPARAM>(parts)), 5);
    EXPECT_EQ(parts[0], px(mainlayout::statusPart1Right));
    EXPECT_EQ(parts[2], px(mainlayout::statusPart2Right + mainlayout::statusEncodingPanelWidth));
  }

  // The pictures are drawn at the display's size, not a small drawing in a larger square.
  void expectPicturesFor(Scale px) {
    const int size = px(mainlayout::pictureSize);
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(form.toolBar(), TB_GETIMAGELIST, 0, 0));
    int cx = 0, cy = 0;
    ImageList_GetIconSize(images, &cx, &cy);
    EXPECT_EQ(cx, size);
    EXPECT_EQ(cy, size);
    // The overwrite-save disk fills columns 1 to 14 of the 16-pixel design.
    const auto [first, last] = drawnColumns(images, tbtnUwagaki, size);
    EXPECT_LE(first, px(1) + 1);
    EXPECT_GE(last, px(14) - 1);
    MENUITEMINFOW item{sizeof item};
    item.fMask = MIIM_BITMAP;
    ASSERT_TRUE(GetMenuItemInfoW(form.menus().popupMenu1(), ids::firstPopup, FALSE, &item));
    BITMAP bitmap{};
    GetObjectW(item.hbmpItem, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
  }
};

TEST_F(ScaledMainWindow, BarsStatusBarAndEditorDoNotOverlapAtTheDisplaysScale) {
  const Scale px(form.dpi());
  const RECT outer = windowRect(form.hwnd());
  EXPECT_EQ(outer.right - outer.left, px(280));
  EXPECT_EQ(outer.bottom - outer.top, px(380));
  expectLaidOutFor(px);
}

TEST_F(ScaledMainWindow, PicturesAreDrawnAtTheDisplaysSize) { expectPicturesFor(Scale(form.dpi())); }

TEST_F(ScaledMainWindow, MovingToADisplayWithAnotherScaleLaysTheWindowOutAgain) {
  const Scale px(form.dpi() * 3 / 2);
  RECT suggested{10, 20, 10 + px(300), 20 + px(400)};
  SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(px.dpi(), px.dpi()), reinterpret_cast<LPARAM>(&suggested));
  pump();
  const RECT outer = windowRect(form.hwnd());
  EXPECT_EQ(outer.left, 10);
  EXPECT_EQ(outer.bottom - outer.top, px(400));
  EXPECT_EQ(form.dpi(), px.dpi());
  expectLaidOutFor(px);
  expectPicturesFor(px);
}

}  // namespace
}  // namespace kakipo::win32
