// The captions and messages of the editing aids (paste, quote markers, conversions, fonts, status
// bar), kept in one place so that every byte the user reads can be checked against one list.
#pragma once
#include <string>

namespace kakipo::texts {

// The large paste. The odd line breaks (LF CR LF CR, then CR LF CR LF) are the message's own.
inline const std::string pasteCaption = "カキポ ♪貼り付けの確認";
inline const std::string pasteQuestion =
    "クリップボードのデータが大きいため\n\r\n\r"
    "カーソル行の位置に貼り付けします\r\n\r\n"
    "時間がかかりますがいいですか？";
inline const std::string pasteProgress = "貼り付け中 しばらくお待ちください";

// Quote markers.
inline const std::string quoteInCaption = "カキポ ♪行頭に > を挿入する前に";
inline const std::string quoteOutCaption = "カキポ ♪行頭から > を削除する前に";
inline const std::string quoteWrapOn = "ワードラップ（右端で折り返す）はOFFにしておいてね";
inline const std::string quoteInNoSelection = "> を挿入する行を範囲選択しておいてね";
inline const std::string quoteOutNoSelection = "> を削除する行を範囲選択しておいてね";

// The 変換 submenu.
inline const std::string henkanCaption = "カキポ ♪変換する前に";
inline const std::string henkanNoSelection = "変換する箇所を範囲選択しておいてね";
inline const std::string henkanProgress = "変換中 しばらくお待ちください";

// The font button.
inline const std::string fontNoSelectionCaption = "カキポ ♪フォント変更する前に";
inline const std::string fontNoSelectionText = "フォント変更する箇所を範囲選択しておいてね";

// The status bar.
inline const std::string statusBarHint = "ダブルクリックで日付時刻をカーソル位置へ挿入";

// Go to line (Ctrl+G): the dialog, and what it says to a line number that is not a number.
inline const std::string goToLineCaption = "カキポ ♪行へ移動";
inline const std::string goToLineLabel = "行番号(&L)：";
inline const std::string goToLineOk = "OK";
inline const std::string goToLineCancel = "キャンセル";
inline const std::string goToLineNotANumber = "行番号は数字で入れてね";

}  // namespace kakipo::texts
