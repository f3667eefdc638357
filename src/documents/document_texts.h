// Every text the document commands show: captions, questions, notices and error messages.
#pragma once
#include <string>

namespace kakipo::texts {

// A name, a blank line, then a sentence that continues it.
inline const std::string nameBreak = "\r\n\r\n";

// The window caption before the current file's name.
inline const std::string titlePrefix = "カキポ ";
inline const std::string untitled = "無題";
inline const std::string overwriteHintPrefix = "上書き保存 ";

inline const std::string saveQuestionCaption = "カキポ ♪ファイルセーブでの確認";
inline const std::string addTxtQuestion = "の拡張子を.txt（標準テキスト）にして保存します";
inline const std::string makeKpoQuestion = "のタイプを.kpo（カキポ形式）にして保存します";
inline const std::string overwriteCaption = "カキポ ♪ファイル保存の確認";
inline const std::string overwriteQuestion = "という名前のファイルはすでに有りますが、上書き保存しますか？";
inline const std::string guardQuestion = "のファイル内容が変更されていますが、保存に行きますか？";
inline const std::string savedCaption = "カキポ ♪お知らせ";
inline const std::string savedNotice = "にファイル内容を上書き保存したよ";

inline const std::string lossCaption = "カキポ ♪ファイル保存の確認";
inline const std::string lossHead = "には次の文字をテキストとして保存できません（「?」になります）";
inline const std::string lossMore = "ほか %d 文字";
inline const std::string lossQuestion =
    "このまま保存しますか？\r\n「いいえ」を選ぶと、どの文字もそのまま残る UTF-8 で保存します";
inline const std::string lossLine = "%d 行 %d 文字目 U+%04X";
// When some of them have a look-alike Shift_JIS holds and the rest do not: the rest, by code.
inline const std::string lossNoLookAlike =
    "このうち %s には Shift_JIS の似た文字がないため、似た文字に置き換えて保存することはできません";
inline const std::string lossNoLookAlikeMore = " ほか";
inline const std::string lossCodeSeparator = "、";
// When every one of them has: the replacements, before the report.
inline const std::string lookAlikeHead =
    "には Shift_JIS で保存できない文字がありますが、次のように Shift_JIS の似た文字に置き換えると保存できます";
inline const std::string lookAlikeLine = "%s（U+%04X）→ %s（U+%04X） %d 文字";
inline const std::string lookAlikeQuestion =
    "置き換えて保存しますか？\r\n「いいえ」を選ぶと、置き換えずに保存する方法を選べます";

inline const std::string largeFileCaption = "カキポ ♪ファイル読み込みの確認";
inline const std::string largeFileQuestion = "は大きな容量なので時間がかかりますが、読み込みますか？";
// Before the load of a file with a line the editor takes minutes over: the length goes between.
inline const std::string longLineQuestionHead = "には改行のない ";
inline const std::string longLineQuestionTail =
    " 文字の行があります。これほど長い行は開くのに何分もかかることがあり、その間カキポは止まった"
    "ようになります（途中で「キャンセル」を押しても、その行を読み終えるまで待たされます）。開いた後も、"
    "その行を書き換えるたびに長く待たされます。読み込みますか？";
inline const std::string openErrorCaption = "カキポ ♪ファイルを開くエラー";
inline const std::string openErrorText = "という名前のファイルは無いかもしれません";
inline const std::string tooLargeText = "は大きすぎてカキポでは開けません";
inline const std::string brokenRtfText = "はカキポ形式（RTF）の途中までしかないため開けません";
inline const std::string openingSuffix = "を開いています しばらく待っててね";

// The filter both file dialogs share: pairs of a caption and its patterns.
inline const std::string fileDialogFilter =
    "テキストファイル *.txt|*.txt|カキポ形式 *.kpo|*.kpo|すべてのファイル *.*|*.*";

// Beside the Save dialog's list of encodings.
inline const std::string saveEncodingLabel = "文字コード(&E):";

// Around the name of a file that could not be written.
inline const std::string cannotCreatePrefix = "ファイル ";
inline const std::string cannotCreateSuffix = " を作成できません";

// Another program and the open file.
inline const std::string changedOnDiskCaption = "カキポ ♪ファイル変更の確認";
inline const std::string changedOnDiskQuestion =
    "はほかのプログラムが書き換えました。読み込み直すと、編集中の内容は失われます。読み込み直しますか？\r\n"
    "「いいえ」を選ぶと、編集中の内容をそのまま残します";
inline const std::string changedBeforeSaveQuestion =
    "は開いた後にほかのプログラムが書き換えています。上書き保存すると、その内容は失われます。上書き保存しますか？\r\n"
    "「いいえ」で別の名前で保存、「キャンセル」で保存しません";
inline const std::string fileGoneNotice =
    "という名前のファイルは削除されたか、名前が変わったようです。内容はカキポに残っているので、保存すると作り直します";
inline const std::string readAgainNotice = " はほかのプログラムが書き換えたので、読み込み直したよ";
inline const std::string readAgainFailedNotice = " はほかのプログラムが書き換えましたが、いまは読み込めません";

inline const std::string streamReadFailed = "ストリームからの読み込みに失敗しました";
inline const std::string streamWriteFailed = "ストリームへの書き込みに失敗しました";

}  // namespace kakipo::texts
