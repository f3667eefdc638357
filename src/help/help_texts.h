// What the help viewer and the about box say besides the help content itself: captions, tab
// names, status texts and the about box's lines and buttons.
#pragma once
#include <string>

#include "core/version.h"

namespace kakipo::texts {

// The help viewer.
inline const std::string helpCaption = "カキポ ♪ヘルプ";
inline const std::string tabMokj = "目次";          // contents
inline const std::string tabKiwad = "キーワード";   // keywords
inline const std::string tabHonbun = "本文説明";    // body
inline const std::string tabSyosai = "詳細説明";    // details
inline const std::string honbunStatus =
    "本文，詳細説明では< >で囲まれた文字列を範囲選択して、右クリックで詳細説明表示。";
inline const std::string syosaiStatus =
    "本文，詳細説明では< >で囲まれた文字列を範囲選択して、右クリックで本文説明表示。";

// The about box.
inline const std::string aboutCaption = "バージョン＆ヘルプ";
inline const std::string productName = "カキポ";
inline const std::string aboutVersion = "Version " KAKIPO_VERSION_TEXT;
inline const std::string copyright = "Copyright (C) 2025 カキポ制作室";
inline const std::string aboutHelpButton = "ヘルプ表示";
inline const std::string aboutCancelButton = "キャンセル";

}  // namespace kakipo::texts
