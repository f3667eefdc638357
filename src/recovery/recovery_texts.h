// Every text recovery shows: the offer at start-up, its questions and notices, and its errors.
#pragma once
#include <string>

namespace kakipo::texts {

inline const std::string recoveryCaption = "カキポ ♪書きかけの復元";
inline const std::string recoveryUntitled = "無題";
// The offer: the document's name, a blank line, then head, the time it was last kept, tail.
inline const std::string recoveryOfferHead = "の保存していない内容が残っています（";
inline const std::string recoveryOfferTail = " の時点）。復元しますか？";
inline const std::string recoveryDeleteQuestion =
    "の残っている内容を削除しますか？（削除しなければ次に起動したときにまた確認します）";
// After the recovery file's own path.
inline const std::string recoveryUnreadable = "は壊れているため復元できません（ファイルはそのまま残してあります）";

// After the recovery folder's path; shown once a run.
inline const std::string recoveryWriteFailedCaption = "カキポ ♪書きかけの保管";
inline const std::string recoveryWriteFailed =
    "に書きかけの内容を保管できません。編集はこのまま続けられますが、"
    "保存する前にカキポが異常終了すると内容は失われます";

inline const std::string recoveryFileBroken = "復元用のファイルが壊れています";

// A name or path, a blank line, then a sentence that continues it.
inline std::string recoveryMessage(const std::string& name, const std::string& sentence) {
  return name + "\r\n\r\n" + sentence;
}

}  // namespace kakipo::texts
