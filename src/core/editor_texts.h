// What the editor reports when the control behind it fails: its own errors, shown in the general
// error box or taken by the document commands.
#pragma once
#include <string>

namespace kakipo::texts {

inline const std::string editorNotCreated = "編集欄を作成できません";
inline const std::string editorReadFailed = "読み込みに失敗しました";
inline const std::string editorWriteFailed = "書き出しに失敗しました";
inline const std::string editorTooLarge = "この文書は大きすぎて読み込めません";
inline const std::string editorNotRtf = "RTF として読み込めません";
inline const std::string editorNoSuchLine = "その行はありません";

}  // namespace kakipo::texts
