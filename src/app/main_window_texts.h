// What the main window itself shows: its buttons' tooltips, the context menus, the captions of
// its bars when they float, the tooltips of the status bar and the phrase box, and what start-up
// says when the window cannot be built.
#pragma once
#include <string>

namespace kakipo::texts {

// Tooltips of the button bar, in the buttons' order; Find and Replace have theirs in
// search/search_texts.h.
inline const std::string newButtonHint = "新規ファイル作成（右クリック：もう一つカキポ起動）";
inline const std::string openButtonHint = "ファイルを開く（右クリック：履歴）";
inline const std::string saveAsButtonHint = "名前をつけて保存";
// Until the first file name replaces it.
inline const std::string overwriteButtonHint = "上書き保存";
inline const std::string fontButtonHint = "フォント変更（右クリック：背景色変更）";
inline const std::string nextOpenFontButtonHint = "次回ファイルを開く時のフォント";
inline const std::string wrapButtonHint = "ワードラップON/OFF";
inline const std::string helpButtonHint = "バージョン＆ヘルプ";

// PopupMenu1, the editor's context menu.
inline const std::string popUndoCaption = "元に戻す(&U)";
inline const std::string popRedoCaption = "やり直し(&R)";
inline const std::string popCopyCaption = "コピー(&C)";
inline const std::string popPasteCaption = "貼り付け(&P)";
inline const std::string popCutCaption = "切り取り(&T)";
inline const std::string popDelCaption = "削除(&D)";
inline const std::string popAllSelCaption = "全選択(&A)";
inline const std::string popInyofInCaption = "行頭に > を挿入(&N)";
inline const std::string popInyofOutCaption = "行頭から > を削除(&J)";
// Its 変換 submenu.
inline const std::string popHenkanCaption = "変換(&H)";
inline const std::string popZenkakuCaption = "全角へ(&Z)";
inline const std::string popHankakuCaption = "半角へ(&H)";
inline const std::string popHiraganaCaption = "ひらがなへ(&R)";
inline const std::string popKatakanaCaption = "カタカナへ(&K)";
// PopupMenu2, the recent files, above its five entries.
inline const std::string historyMenuHeader = "履歴ファイルから開く";

// The two bars when they float in windows of their own.
inline const std::string toolBarCaption = "カキポ ボタンバー";
inline const std::string phraseBoxCaption = "カキポ 定型文ボックス";

inline const std::string phraseBoxHint = "ダブルクリックで文字列をカーソル位置へ挿入";

// Start-up failures, each shown in a box before the program ends.
inline const std::string startupFailedCaption = "カキポ ♪起動できません";
inline const std::string mainWindowNotCreated = "メインウィンドウを作成できません";
inline const std::string controlNotCreated = "ウィンドウの部品を作成できません";
inline const std::string menuNotCreated = "メニューを作成できません";
inline const std::string timerNotStarted = "タイマーを開始できません";

}  // namespace kakipo::texts
