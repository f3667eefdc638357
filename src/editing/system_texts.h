// What the clipboard and the clock report when the system refuses them.
#pragma once
#include <string>

namespace kakipo::texts {

inline const std::string clipboardBusy = "クリップボードを開けません。ほかのプログラムが使用中です";
inline const std::string clockFormatFailed = "日付時刻を書式化できません";

}  // namespace kakipo::texts
