// What the main window's own logic shows: the system-menu items it adds, the phrases the phrase
// box starts with, and the messages of the general error box and the settings file.
#pragma once
#include <array>
#include <string>

#include "core/window_state.h"

namespace kakipo::texts {

inline const std::string sysMenuToolBar = "ボタンバー表示ON/OFF(&B)";
inline const std::string sysMenuPhraseBox = "定型文ボックス表示ON/OFF(&T)";
inline const std::string sysMenuStatusBar = "ステータスバー表示ON/OFF(&U)";
inline const std::string sysMenuResume = "終了時に確認しないで、次回続きから(&R)";
inline const std::string sysMenuTopmost = "常に手前に表示(&A)";
// The zoom item shows the zoom; away from 100 % choosing it goes back there (printf formats).
inline const std::string sysMenuZoomNormal = "表示倍率 %d%%(&Z)";
inline const std::string sysMenuZoomReset = "表示倍率 %d%%：100%%に戻す(&Z)";

inline const std::array<std::string, phraseCount> defaultPhrases = {
    "Hi EveryOne,", "kind Regards,", "mail: your.name@example.jp", "home: https://example.jp/",
    "前略", "草々", "はじめまして", "よろしくおねがいします", "ありがとうございました", "それではまた"};

// What a handler threw that carries no message of its own.
inline const std::string unexpectedError = "予期しないエラーが発生しました";
// Follows the settings file's path.
inline const std::string settingsNotWritable = " に書き込めません";
// Asked when a close has already failed on the settings file once: the path, a blank line, then
// this. No keeps the window, so the user can mend the cause and close again.
inline const std::string closeWithoutSettingsCaption = "カキポ ♪終了の確認";
inline const std::string closeWithoutSettingsQuestion =
    "に設定を書き込めませんでした。設定を保存しないで終了しますか？";

}  // namespace kakipo::texts
