// The program's own 16 x 16 pictures: the ten button-bar pictures and the eleven context-menu
// pictures, drawn with GDI so that no image files are needed.
#pragma once
#include <windows.h>
#include <commctrl.h>

namespace kakipo::win32 {

// Ten pictures, index = the button's picture index.
HIMAGELIST makeToolbarImages();
// Eleven pictures, index = the context-menu item's picture index.
HIMAGELIST makeMenuImages();
// One picture as a bitmap a menu item can show, drawn on the menu's background colour.
HBITMAP makeMenuBitmap(int index);
// The program icon (a memo pad with a pencil).
HICON makeProgramIcon(int size);

}  // namespace kakipo::win32
