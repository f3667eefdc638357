#include "win32/rich_edit_messages.h"

#include <richedit.h>

namespace kakipo::win32 {

bool keepsText(UINT msg) {
  switch (msg) {
    case WM_PAINT: case WM_NCPAINT: case WM_ERASEBKGND: case WM_PRINTCLIENT: case WM_TIMER: case WM_SETCURSOR:
    case WM_NCHITTEST: case WM_MOUSEMOVE: case WM_NCMOUSEMOVE: case WM_MOUSELEAVE: case WM_NCMOUSELEAVE:
    case WM_GETDLGCODE: case WM_GETOBJECT: case WM_WINDOWPOSCHANGING: case WM_WINDOWPOSCHANGED: case WM_MOVE:
    case WM_SIZE: case WM_NCCALCSIZE: case WM_SHOWWINDOW: case WM_SETFOCUS: case WM_KILLFOCUS:
    case WM_IME_SETCONTEXT: case WM_IME_NOTIFY: case WM_CAPTURECHANGED: case WM_MOUSEACTIVATE: case WM_GETTEXT:
    case WM_GETTEXTLENGTH: case WM_STYLECHANGING: case WM_STYLECHANGED: case WM_GETFONT: case WM_VSCROLL:
    case WM_HSCROLL: case WM_MOUSEWHEEL: case WM_SETREDRAW: case WM_COPY: case WM_CONTEXTMENU:
    case EM_GETTEXTEX: case EM_GETTEXTLENGTHEX: case EM_GETTEXTRANGE: case EM_EXGETSEL: case EM_GETSEL:
    case EM_EXSETSEL: case EM_SETSEL: case EM_LINEINDEX: case EM_LINELENGTH: case EM_EXLINEFROMCHAR:
    case EM_LINEFROMCHAR: case EM_GETLINECOUNT: case EM_FINDTEXTEXW: case EM_FINDTEXTW: case EM_SCROLLCARET:
    case EM_GETMODIFY: case EM_SETMODIFY: case EM_GETCHARFORMAT: case EM_SETCHARFORMAT: case EM_GETFIRSTVISIBLELINE:
    case EM_LINESCROLL: case EM_STREAMOUT: case EM_SETEVENTMASK: case EM_GETEVENTMASK: case EM_POSFROMCHAR:
    case EM_CHARFROMPOS: case EM_GETSELTEXT: case EM_GETOPTIONS: case EM_SETBKGNDCOLOR: case EM_GETPARAFORMAT:
    case EM_GETSCROLLPOS: case EM_SETSCROLLPOS: case EM_GETRECT: case EM_CANUNDO: case EM_CANPASTE:
    case EM_SELECTIONTYPE: case EM_GETTEXTMODE: case EM_SETTARGETDEVICE: case EM_SETREADONLY:
    case EM_GETZOOM: case EM_SETZOOM: case EM_CANREDO:
      return true;
    default:
      return false;
  }
}

bool keepsLines(UINT msg) {
  switch (msg) {
    case WM_SIZE: case WM_WINDOWPOSCHANGED: case WM_STYLECHANGED: case EM_SETCHARFORMAT: case EM_SETTARGETDEVICE:
    case EM_SETZOOM:
      return false;
    default:
      return keepsText(msg);
  }
}

namespace {
bool movesOnly(WPARAM key) {
  return (key >= VK_SHIFT && key <= VK_MENU) || (key >= VK_PRIOR && key <= VK_DOWN) || (key >= VK_F1 && key <= VK_F24) ||
         key == VK_ESCAPE || key == VK_APPS;
}
}  // namespace

bool mayTouchUndo(UINT msg, WPARAM w) {
  switch (msg) {
    case EM_SETCHARFORMAT: case EM_SETPARAFORMAT:
      return true;
    case WM_KEYDOWN: case WM_SYSKEYDOWN:
      return !movesOnly(w);
    case WM_KEYUP: case WM_SYSKEYUP:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_RBUTTONUP:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONUP: case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN: case WM_NCRBUTTONUP:
      return false;
    case WM_CHAR:  // control characters other than these are what Ctrl+letter keys type, and do nothing
      return w >= 0x20 || w == '\b' || w == '\t' || w == '\r' || w == '\n';
    default:
      return !keepsText(msg);
  }
}

}  // namespace kakipo::win32
