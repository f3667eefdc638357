// What Find and Replace say to the user, byte for byte.
#pragma once

namespace kakipo::searchtext {

inline constexpr const char* findNotFound = "は見つかりませんでした";
inline constexpr const char* findCaption = "カキポ ♪文字列の検索";
inline constexpr const char* replaceNotFound = "置換文字列が見つかりませんでした";
inline constexpr const char* replaceCaption = "カキポ ♪置換文字列の検索";
inline constexpr const char* replaceAllQuestion =
    "☆安全のため確認しながら置換する場合は\r\n\r\n「置換して次に」を選んでください。☆\r\n\r\n"
    "では、確認無しですべて置換しますが,いいですか？";
inline constexpr const char* replaceAllCaption = "カキポ ♪置換操作の確認";
// Tooltips of the two buttons that open the dialogs.
inline constexpr const char* findButtonHint = "文字列検索";
inline constexpr const char* replaceButtonHint = "文字列置換";

}  // namespace kakipo::searchtext
