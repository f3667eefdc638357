// Typed calls on a rich-edit control: one inline function per message, so that no call site sends
// a raw message or casts a structure's address. Positions are the control's own (UTF-16 units,
// one per paragraph break).
#pragma once
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <string>

namespace kakipo::win32 {

// The code page number by which the rich-edit messages ask for UTF-16 text.
inline constexpr UINT utf16CodePage = 1200;

namespace re {

inline LRESULT send(HWND h, UINT msg, WPARAM w = 0, LPARAM l = 0) { return SendMessageW(h, msg, w, l); }
template <class T>
LPARAM ptr(T* p) {
  return reinterpret_cast<LPARAM>(p);
}

inline CHARRANGE selection(HWND h) {
  CHARRANGE r{};
  send(h, EM_EXGETSEL, 0, ptr(&r));
  return r;
}
inline void select(HWND h, CHARRANGE r) { send(h, EM_EXSETSEL, 0, ptr(&r)); }
inline void select(HWND h, LONG from, LONG to) { select(h, CHARRANGE{from, to}); }

// The text's length in UTF-16 units, exact.
inline int lengthInUnits(HWND h) {
  GETTEXTLENGTHEX gl{GTL_NUMCHARS | GTL_PRECISE, utf16CodePage};
  return static_cast<int>(send(h, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl)));
}
// The whole text, `length` units long as lengthInUnits said.
inline std::wstring allUnits(HWND h, int length) {
  if (length <= 0) return {};
  std::wstring buf(static_cast<std::size_t>(length) + 1, L'\0');
  GETTEXTEX gt{};
  gt.cb = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
  gt.flags = GT_DEFAULT;
  gt.codepage = utf16CodePage;
  const auto got = static_cast<int>(send(h, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt), ptr(buf.data())));
  buf.resize(static_cast<std::size_t>(std::max(got, 0)));
  return buf;
}
inline std::wstring allUnits(HWND h) { return allUnits(h, lengthInUnits(h)); }
// The units in [from, to).
inline std::wstring range(HWND h, LONG from, LONG to) {
  if (to <= from) return {};
  std::wstring buf(static_cast<std::size_t>(to - from) + 1, L'\0');
  TEXTRANGEW tr{{from, to}, buf.data()};
  const auto got = static_cast<int>(send(h, EM_GETTEXTRANGE, 0, ptr(&tr)));
  buf.resize(static_cast<std::size_t>(std::max(got, 0)));
  return buf;
}
inline void setText(HWND h, const std::wstring& text) {
  SETTEXTEX st{ST_DEFAULT, utf16CodePage};
  send(h, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&st), ptr(text.c_str()));
}
inline void replaceSelection(HWND h, const std::wstring& text, bool canUndo = false) {
  send(h, EM_REPLACESEL, canUndo, ptr(text.c_str()));
}

inline int lineCount(HWND h) { return static_cast<int>(send(h, EM_GETLINECOUNT)); }
// The position a line starts at; -1 past the last line.
inline LONG lineStart(HWND h, int line) { return static_cast<LONG>(send(h, EM_LINEINDEX, line)); }
inline int lineLength(HWND h, LONG at) { return static_cast<int>(send(h, EM_LINELENGTH, at)); }
inline int lineOf(HWND h, LONG at) { return static_cast<int>(send(h, EM_EXLINEFROMCHAR, 0, at)); }
// The position of the character nearest to a point of the client area.
inline LONG charFromPos(HWND h, LONG x, LONG y) {
  POINTL p{x, y};
  return static_cast<LONG>(send(h, EM_CHARFROMPOS, 0, ptr(&p)));
}
inline int firstVisibleLine(HWND h) { return static_cast<int>(send(h, EM_GETFIRSTVISIBLELINE)); }
inline void scrollLines(HWND h, int lines) { send(h, EM_LINESCROLL, 0, lines); }
inline void scrollCaret(HWND h) { send(h, EM_SCROLLCARET); }
inline void scroll(HWND h, int bar, int code) { send(h, bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, code); }

// The first match in ft.chrg, or -1; ft.chrgText says where it ends.
inline LONG find(HWND h, WPARAM flags, FINDTEXTEXW& ft) {
  return static_cast<LONG>(send(h, EM_FINDTEXTEXW, flags, ptr(&ft)));
}

inline void streamIn(HWND h, UINT format, EDITSTREAM& es) { send(h, EM_STREAMIN, format, ptr(&es)); }
inline void streamOut(HWND h, UINT format, EDITSTREAM& es) { send(h, EM_STREAMOUT, format, ptr(&es)); }

inline CHARFORMAT2W charFormat(HWND h, WPARAM which) {
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  send(h, EM_GETCHARFORMAT, which, ptr(&cf));
  return cf;
}
inline void setCharFormat(HWND h, WPARAM which, const CHARFORMAT2W& cf) {
  send(h, EM_SETCHARFORMAT, which, ptr(&cf));
}
// The system's window colour when `system`, else colour.
inline void setBackground(HWND h, bool system, COLORREF colour) {
  send(h, EM_SETBKGNDCOLOR, system, system ? 0 : colour);
}
// Word wrap at the window's edge, or none.
inline void setWrap(HWND h, bool on) { send(h, EM_SETTARGETDEVICE, 0, on ? 0 : 1); }

inline PARAFORMAT2 paraFormat(HWND h) {
  PARAFORMAT2 pf{};
  pf.cbSize = sizeof pf;
  send(h, EM_GETPARAFORMAT, 0, ptr(&pf));
  return pf;
}
inline void setParaFormat(HWND h, const PARAFORMAT2& pf) { send(h, EM_SETPARAFORMAT, 0, ptr(&pf)); }
inline POINT scrollPos(HWND h) {
  POINT p{};
  send(h, EM_GETSCROLLPOS, 0, ptr(&p));
  return p;
}
inline void setScrollPos(HWND h, POINT p) { send(h, EM_SETSCROLLPOS, 0, ptr(&p)); }

inline void setLimit(HWND h, int units) { send(h, EM_EXLIMITTEXT, 0, units); }
inline void setTextMode(HWND h, UINT mode) { send(h, EM_SETTEXTMODE, mode); }
inline DWORD setEventMask(HWND h, DWORD mask) { return static_cast<DWORD>(send(h, EM_SETEVENTMASK, 0, mask)); }
inline void setRedraw(HWND h, bool on) { send(h, WM_SETREDRAW, on); }
inline bool modified(HWND h) { return send(h, EM_GETMODIFY) != 0; }
inline void setModified(HWND h, bool on) { send(h, EM_SETMODIFY, on); }
inline void emptyUndo(HWND h) { send(h, EM_EMPTYUNDOBUFFER); }
inline void undo(HWND h) { send(h, EM_UNDO); }
inline void redo(HWND h) { send(h, EM_REDO); }
inline bool canUndo(HWND h) { return send(h, EM_CANUNDO) != 0; }
inline bool canRedo(HWND h) { return send(h, EM_CANREDO) != 0; }
// The steps the control keeps, as many as asked or its own maximum; returns that number.
inline int setUndoLimit(HWND h, int steps) { return static_cast<int>(send(h, EM_SETUNDOLIMIT, steps)); }
// The next edit starts an undo step of its own rather than joining the typing before it.
inline void stopGroupTyping(HWND h) { send(h, EM_STOPGROUPTYPING); }
// The text shown at percent of its size; 100 turns the control's zoom off.
inline void setZoom(HWND h, int percent) {
  if (percent == 100)
    send(h, EM_SETZOOM, 0, 0);
  else
    send(h, EM_SETZOOM, percent, 100);
}
// One UTF-16 unit typed at the selection, as the keyboard types it.
inline void type(HWND h, wchar_t unit) { send(h, WM_CHAR, unit); }
inline void clearSelection(HWND h) { send(h, WM_CLEAR); }
inline void cut(HWND h) { send(h, WM_CUT); }
inline void copy(HWND h) { send(h, WM_COPY); }
inline void pasteText(HWND h) { send(h, EM_PASTESPECIAL, CF_UNICODETEXT); }

}  // namespace re
}  // namespace kakipo::win32
