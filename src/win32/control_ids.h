// The ids of the main window's controls, commands and timer, and the order of its buttons and
// context-menu commands. Free of Windows headers, so that the test programs that drive the
// window from outside share them without linking its code.
#pragma once

namespace kakipo::win32 {

enum Button {
  tbtnNew, tbtnOpen, tbtnSave, tbtnUwagaki, tbtnFont, tbtnJikFon, tbtnWrap, tbtnFind, tbtnTikan, tbtnVajHel
};
inline constexpr int buttonCount = tbtnVajHel + 1;

// In the order of their ids; the menu shows popRedo under popUndo, and the last four are the
// items of its 変換 submenu.
enum PopupCommand {
  popUndo, popCopy, popPaste, popCut, popDel, popAllSel, popInyofIn, popInyofOut, popRedo,
  popZenkaku, popHankaku, popHiragana, popKatakana
};
inline constexpr int popupCommandCount = popKatakana + 1;

namespace ids {

constexpr int memo1 = 100;
constexpr int coolBar = 102;
constexpr int toolBar = 103;
constexpr int comboBox = 104;
constexpr int statusBar = 105;
constexpr int firstButton = 200;   // tbtnNew ... tbtnVajHel are 200 ... 209
constexpr int firstPopup = 300;    // popUndo ... popKatakana
constexpr int historyHeader = 319; // the caption above the recent files, chosen to do nothing
constexpr int firstHistory = 320;  // popRirek0 ... popRirek4
constexpr int timerGyoRet = 1;
// The Save dialog's encoding list (SAVE_ENCODING in kakipo.rc, which repeats these numbers).
constexpr int saveEncodingLabel = 2001;
constexpr int saveEncodingList = 2002;
// The あいまい検索 box added to the Find and Replace dialogs.
constexpr int fuzzySearch = 2010;
// The encodings of the status bar's encoding menu, in the order of allEncodings.
constexpr int firstEncoding = 340;
// The status bar menu's item that opens the count window.
constexpr int countWindow = 360;
// The go-to-line dialog's label and box (GO_TO_LINE in kakipo.rc, which repeats these numbers).
constexpr int goToLineLabel = 2101;
constexpr int goToLineBox = 2102;

}  // namespace ids

}  // namespace kakipo::win32
