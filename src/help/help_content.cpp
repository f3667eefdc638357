#include "help/help_content.h"

#include <array>

#include "core/version.h"

namespace kakipo::help {
namespace {

// The arrays come from the build: the UTF-8 sources with the version put in.
constexpr unsigned char bodyBytes[] = {
#include "help/body_text.inc"
};
constexpr unsigned char detailBytes[] = {
#include "help/detail_text.inc"
};

std::string fromBytes(const unsigned char* bytes, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(bytes), size);
}

// The system-menu nodes keep the normal picture when selected.
constexpr std::array<TreeEntry, 42> tree{{
    {"カキポ V" KAKIPO_VERSION_TEXT, 0, 0, 1},
    {"・はじめに", 0, 0, 1},
    {"・起動方法", 0, 0, 1},
    {"・いらなくなったら", 0, 0, 1},
    {"・使用方法", 0, 0, 1},
    {"・新規ファイル", 1, 0, 1},
    {"・ファイルの読み込み", 1, 0, 1},
    {"・ファイルの保存", 1, 0, 1},
    {"・ファイルの上書き保存", 1, 0, 1},
    {"・文字コード", 1, 0, 1},
    {"・ほかのプログラムによる変更", 1, 0, 1},
    {"・フォントの変更", 1, 0, 1},
    {"・読み込み時のフォント", 2, 0, 1},
    {"・ワードラップのON/OFF", 1, 0, 1},
    {"・文字列の検索", 1, 0, 1},
    {"・文字列の置換", 1, 0, 1},
    {"・バージョン＆ヘルプ", 1, 0, 1},
    {"・定型文の貼り付け", 1, 0, 1},
    {"・現在日付時刻の貼り付け", 1, 0, 1},
    {"・文字数", 1, 0, 1},
    {"・テキストウインドウ内での右クリック", 1, 0, 1},
    {"・元に戻す", 2, 0, 1},
    {"・やり直し", 2, 0, 1},
    {"・コピー", 2, 0, 1},
    {"・貼り付け", 2, 0, 1},
    {"・切り取り", 2, 0, 1},
    {"・削除", 2, 0, 1},
    {"・全選択", 2, 0, 1},
    {"・行頭に > を挿入", 2, 0, 1},
    {"・行頭から > を削除", 2, 0, 1},
    {"・変換", 2, 0, 1},
    {"・システムメニュー", 1, 0, 0},
    {"・ボタンバー表示ON/OFF", 2, 0, 0},
    {"・定型文ボックス表示ON/OFF", 2, 0, 0},
    {"・ステータスバー表示ON/OFF", 2, 0, 0},
    {"・終了時に確認しないで、次回続きから", 2, 0, 0},
    {"・常に手前に表示", 2, 0, 0},
    {"・表示倍率", 2, 0, 0},
    {"・キー操作", 1, 0, 1},
    {"・書きかけの復元", 0, 0, 1},
    {"・おわりに", 0, 0, 1},
    {"・変更履歴", 0, 0, 1},
}};

constexpr std::array<const char*, 14> keywordList{
    "<RTF形式>",       "<カキポ形式>",         "<標準テキストファイル>", "<定型文貼り付け>",
    "<ドラッグ＆ドロップ>", "<背景色>",            "<右端で文書の折り返し>", "<現在カーソルの場所>",
    "<反転表示選択>",     "<クリップボード>",       "<ボタンバー>",         "<定型文ボックス>",
    "<ステータスバー>",    "<ショートカットキー>",
};

}  // namespace

const std::string& bodyText() {
  static const std::string text = fromBytes(bodyBytes, sizeof bodyBytes);
  return text;
}

const std::string& detailText() {
  static const std::string text = fromBytes(detailBytes, sizeof detailBytes);
  return text;
}

std::span<const TreeEntry> contentsTree() { return tree; }
std::span<const char* const> keywords() { return keywordList; }

}  // namespace kakipo::help
