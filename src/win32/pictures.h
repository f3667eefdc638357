// The program's own pictures, drawn with GDI so that no image files are needed: the ten button-bar
// pictures, the context menu's pictures and the help viewer's two contents pictures. Each is
// designed on a 16 x 16 grid and drawn at the size the display needs, so it stays sharp.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "app/main_window_layout.h"
#include "win32/handles.h"

namespace kakipo::win32 {

// The side of every picture as designed, in pixels at 96 dots per inch.
inline constexpr int pictureSize = mainlayout::pictureSize;

// Ten pictures of size x size pixels, index = the button's picture index.
UniqueImageList makeToolbarImages(int size = pictureSize);
// Eleven pictures, index = the context-menu item's picture index.
UniqueImageList makeMenuImages(int size = pictureSize);
// One picture of a list as a bitmap a menu item can show, drawn on the menu's background colour.
UniqueBitmap makeMenuBitmap(HIMAGELIST pictures, int index);
// ImageList1 of the help viewer: a closed page for a node, the same page marked for the selected one.
UniqueImageList makeHelpImages(int size = pictureSize);

}  // namespace kakipo::win32
