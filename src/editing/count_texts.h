// What the counts are shown with: the count window's caption and row labels, the names of what is
// counted, the words around the numbers, and the status bar menu's item that opens the window.
#pragma once
#include <array>
#include <string>

namespace kakipo::texts {

inline const std::string countWindowCaption = "文字数";
// The rows in the order of the counts: characters, without blanks, half-width units, lines,
// manuscript paper.
inline const std::array<std::string, 5> countLabels = {"文字", "空白除く", "半角換算", "行", "原稿用紙"};
inline const std::string countScopeSelection = "選択範囲";
inline const std::string countScopeDocument = "文書全体";
inline const std::string countCounting = "数えています…";
inline const std::string countCharactersUnit = " 文字";
inline const std::string countSheetsUnit = " 枚";
// "3 枚（最後は 5 行）": the rows used on the last sheet.
inline const std::string countLastSheetOpen = "（最後は ";
inline const std::string countLastSheetClose = " 行）";
inline const std::string countMenuItem = "文字数(&C)...";
inline const std::string countWindowNotCreated = "文字数のウィンドウを作成できません";

}  // namespace kakipo::texts
