// The main window's control ids and command numbers, for programs that find its controls or send
// it commands without linking its code. tests/win32/tools/control_ids_match.cpp holds them to
// the window's own at compile time.
#pragma once

namespace kakipo::probe {

namespace ids {
constexpr int memo1 = 100;
constexpr int memoUra = 101;
constexpr int coolBar = 102;  // toolBar and comboBox are its children
constexpr int toolBar = 103;
constexpr int comboBox = 104;
constexpr int statusBar = 105;
constexpr int firstButton = 200;   // a click on button b arrives as command firstButton + b
constexpr int firstPopup = 300;    // the editor's context menu, in the order of popup:: below
constexpr int firstHistory = 320;  // the history entries popRirek0 ... popRirek4
}  // namespace ids

// The buttons of the bar, left to right.
namespace button {
constexpr int tbtnNew = 0, tbtnOpen = 1, tbtnSave = 2, tbtnUwagaki = 3, tbtnFont = 4, tbtnJikFon = 5,
              tbtnWrap = 6, tbtnFind = 7, tbtnTikan = 8, tbtnVajHel = 9;
constexpr int count = 10;
}  // namespace button

// The editor's context-menu commands.
namespace popup {
constexpr int popUndo = ids::firstPopup, popCopy = popUndo + 1, popPaste = popUndo + 2, popCut = popUndo + 3,
              popDel = popUndo + 4, popAllSel = popUndo + 5, popInyofIn = popUndo + 6, popInyofOut = popUndo + 7;
}  // namespace popup

}  // namespace kakipo::probe
