// The program's own 16 x 16 pictures, drawn with GDI so that no image files are needed: the ten
// button-bar pictures, the context menu's pictures and the help viewer's two contents pictures.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "app/main_window_layout.h"
#include "win32/handles.h"

namespace kakipo::win32 {

// The side of every picture, in pixels.
inline constexpr int pictureSize = mainlayout::pictureSize;

// Ten pictures, index = the button's picture index.
UniqueImageList makeToolbarImages();
// Eleven pictures, index = the context-menu item's picture index.
UniqueImageList makeMenuImages();
// One picture of a list as a bitmap a menu item can show, drawn on the menu's background colour.
UniqueBitmap makeMenuBitmap(HIMAGELIST pictures, int index);
// ImageList1 of the help viewer: a closed page for a node, the same page marked for the selected one.
UniqueImageList makeHelpImages();

}  // namespace kakipo::win32
