// What Find and Replace say to the user, byte for byte.
#pragma once
#include <string>

namespace kakipo::texts {

inline const std::string findNotFound = "は見つかりませんでした";
inline const std::string findCaption = "カキポ ♪文字列の検索";
inline const std::string replaceNotFound = "置換文字列が見つかりませんでした";
inline const std::string replaceCaption = "カキポ ♪置換文字列の検索";
inline const std::string replaceAllQuestion =
    "☆安全のため確認しながら置換する場合は\r\n\r\n「置換して次に」を選んでください。☆\r\n\r\n"
    "では、確認無しですべて置換しますが,いいですか？";
inline const std::string replaceAllCaption = "カキポ ♪置換操作の確認";
// The box both dialogs gain for the fuzzy search.
inline const std::string fuzzySearchLabel = "あいまい検索(&I)";
// Tooltips of the two buttons that open the dialogs.
inline const std::string findButtonHint = "文字列検索";
inline const std::string replaceButtonHint = "文字列置換";

}  // namespace kakipo::texts
