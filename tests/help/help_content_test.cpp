// The help texts as they are built into the program: the rules that make every link of the
// contents tree, the keyword list and the right-click cross references land where they should.
#include "help/help_content.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/help_texts.h"

namespace kakipo {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const auto end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return lines;
    start = end + 2;
  }
}

int lineOfOffset(const std::string& text, std::size_t offset) {
  int line = 0;
  for (auto p = text.find("\r\n"); p != std::string::npos && p < offset; p = text.find("\r\n", p + 2)) ++line;
  return line;
}

// The keywords the body writes between angle brackets; "< >" only explains the brackets.
std::vector<std::string> bracketedInBody() {
  std::vector<std::string> found;
  for (const auto& line : linesOf(help::bodyText())) {
    for (auto open = line.find('<'); open != std::string::npos; open = line.find('<', open + 1)) {
      const auto close = line.find('>', open);
      if (close == std::string::npos) continue;
      const std::string keyword = line.substr(open, close - open + 1);
      if (keyword != "< >") found.push_back(keyword);
    }
  }
  return found;
}

struct DetailEntry {
  std::string head;
  std::vector<std::string> explanation;
};

std::vector<DetailEntry> detailEntries() {
  std::vector<DetailEntry> entries;
  bool startEntry = true;
  for (const auto& line : linesOf(help::detailText())) {
    if (line.empty()) {
      startEntry = true;
    } else if (startEntry) {
      entries.push_back({line, {}});
      startEntry = false;
    } else {
      entries.back().explanation.push_back(line);
    }
  }
  return entries;
}

std::vector<std::string> detailHeads() {
  std::vector<std::string> heads;
  for (const auto& e : detailEntries()) heads.push_back(e.head);
  return heads;
}

TEST(HelpTexts, AreUtf8WithCrLfLineBreaks) {
  const std::string& body = help::bodyText();
  EXPECT_EQ(body.substr(0, 9), "\xE3\x82\xAB\xE3\x82\xAD\xE3\x83\x9D");  // カキポ
  for (const std::string* text : {&body, &help::detailText()}) {
    for (std::size_t i = 0; i < text->size(); ++i) {
      if ((*text)[i] == '\n') {
        ASSERT_TRUE(i > 0 && (*text)[i - 1] == '\r') << "bare LF at " << i;
      }
      if ((*text)[i] == '\r') {
        ASSERT_EQ((*text)[i + 1], '\n') << "bare CR at " << i;
      }
    }
    EXPECT_NE(text->substr(text->size() - 2), "\r\n") << "no line break after the last line";
  }
}

TEST(HelpTexts, BodyOpensWithProductCopyrightAndContactLines) {
  const auto lines = linesOf(help::bodyText());
  EXPECT_EQ(lines[0], help::contentsTree()[0].text);
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], texts::copyright);
  EXPECT_EQ(lines[3], "");
  for (int i = 4; i < 7; ++i) EXPECT_FALSE(lines[i].empty()) << "contact line " << i;
  EXPECT_EQ(lines[7], "");
  EXPECT_EQ(lines[8], "・はじめに");
}

TEST(HelpTexts, ContentsTreeHasItsEntriesAndPictures) {
  const auto tree = help::contentsTree();
  ASSERT_GT(tree.size(), 11u);
  EXPECT_STREQ(tree[11].text, "・読み込み時のフォント");
  EXPECT_EQ(tree[11].level, 2);
  EXPECT_STREQ(tree.back().text, "・変更履歴");
  // The system menu and its items, up to the keys, keep the normal picture when selected.
  bool plain = false;
  for (const auto& e : tree) {
    if (std::string(e.text) == "・システムメニュー") plain = true;
    if (std::string(e.text) == "・キー操作") plain = false;
    EXPECT_EQ(e.image, 0) << e.text;
    EXPECT_EQ(e.selectedImage, plain ? 0 : 1) << e.text;
  }
}

// Every head line of the body, in order and with its indentation, is the contents tree.
TEST(HelpTexts, BodyHeadsAreTheContentsTreeInOrder) {
  std::vector<std::string> heads;
  for (const auto& line : linesOf(help::bodyText())) {
    const auto first = line.find_first_not_of(' ');
    if (first != std::string::npos && line.substr(first).starts_with("・")) heads.push_back(line);
  }
  const auto tree = help::contentsTree();
  ASSERT_EQ(heads.size(), tree.size() - 1);
  for (std::size_t i = 1; i < tree.size(); ++i)
    EXPECT_EQ(heads[i - 1], std::string(tree[i].level, ' ') + tree[i].text);
}

// The tree looks its entries up in the body from the top, so the first occurrence must be the head.
TEST(HelpTexts, FirstOccurrenceOfEachTreeEntryIsItsOwnHeadLine) {
  const std::string& body = help::bodyText();
  const auto lines = linesOf(body);
  for (const auto& e : help::contentsTree()) {
    const auto at = body.find(e.text);
    ASSERT_NE(at, std::string::npos) << e.text;
    EXPECT_EQ(lines[lineOfOffset(body, at)], std::string(e.level, ' ') + e.text);
  }
}

TEST(HelpTexts, SectionsAreSeparatedByOneEmptyLineAndParagraphsFollowTheirHead) {
  const auto lines = linesOf(help::bodyText());
  std::string indent;
  bool inHistory = false;
  bool afterHead = false;
  for (std::size_t i = 8; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const auto first = line.find_first_not_of(' ');
    if (line.empty()) {
      EXPECT_FALSE(lines[i - 1].empty()) << "two empty lines before line " << i + 1;
      ASSERT_LT(i + 1, lines.size());
      continue;
    }
    if (line.substr(first).starts_with("・")) {
      EXPECT_TRUE(lines[i - 1].empty()) << "head without an empty line before it: " << i + 1;
      indent = line.substr(0, first);
      inHistory = line == "・変更履歴";
      afterHead = true;
      continue;
    }
    if (!inHistory) {
      EXPECT_EQ(line.substr(0, first), indent) << "line " << i + 1;
      if (afterHead) {
        EXPECT_TRUE(line.substr(first).starts_with("♪")) << "line " << i + 1;
      }
    }
    afterHead = false;
  }
}

TEST(HelpTexts, VersionHistoryRunsFromOneToTwoSix) {
  const auto lines = linesOf(help::bodyText());
  const auto last = lines.back();
  EXPECT_NE(last.find("V2.6"), std::string::npos);
  std::size_t history = 0;
  while (lines[history] != "・変更履歴") ++history;
  EXPECT_NE(lines[history + 1].find("V1.0"), std::string::npos);
}

TEST(HelpTexts, DetailHasSixteenEntriesOfHeadAndUpToThreeLines) {
  const auto entries = detailEntries();
  const std::vector<std::string> expected{
      "<RTF形式>",    "<カキポ形式>",        "<標準テキストファイル>", "<定型文貼り付け>",
      "<履歴ファイル>", "<フォント>",          "<ドラッグ＆ドロップ>",  "<背景色>",
      "<右端で文書の折り返し>", "<現在カーソルの場所>", "<反転表示選択>",  "<クリップボード>",
      "<ボタンバー>",   "<定型文ボックス>",     "<ステータスバー>",       "<ショートカットキー>"};
  EXPECT_EQ(detailHeads(), expected);
  for (const auto& e : entries) {
    EXPECT_GE(e.explanation.size(), 1u) << e.head;
    EXPECT_LE(e.explanation.size(), 3u) << e.head;
  }
}

TEST(HelpTexts, EveryKeywordOfTheListHasADetailEntry) {
  const auto heads = detailHeads();
  ASSERT_EQ(help::keywords().size(), 14u);
  std::size_t from = 0;
  for (const char* k : help::keywords()) {
    const auto at = std::find(heads.begin() + from, heads.end(), k);
    ASSERT_NE(at, heads.end()) << k << " missing or out of order";
    from = at - heads.begin() + 1;
  }
}

// The detail pane is searched from the top, so a head must not be mentioned before its entry.
TEST(HelpTexts, FirstOccurrenceOfEachDetailHeadInTheDetailIsItsEntry) {
  const std::string& detail = help::detailText();
  const auto lines = linesOf(detail);
  for (const auto& head : detailHeads()) {
    EXPECT_EQ(lines[lineOfOffset(detail, detail.find(head))], head);
  }
}

TEST(HelpTexts, EveryBracketedKeywordInTheBodyHasADetailEntry) {
  const auto heads = detailHeads();
  const auto used = bracketedInBody();
  EXPECT_FALSE(used.empty());
  for (const auto& k : used) EXPECT_NE(std::find(heads.begin(), heads.end(), k), heads.end()) << k;
}

// Right-clicking a detail head finds its first mention in the body: that must be where the
// prose first uses the word, written in brackets there.
TEST(HelpTexts, EachDetailHeadFirstAppearsInTheBodyAtTheWordsFirstMention) {
  const std::string& body = help::bodyText();
  for (const auto& head : detailHeads()) {
    const std::string word = head.substr(1, head.size() - 2);
    const auto bracketed = body.find(head);
    ASSERT_NE(bracketed, std::string::npos) << head << " is never mentioned in the body";
    EXPECT_EQ(body.find(word), bracketed + 1) << word << " is mentioned before " << head;
  }
}

TEST(HelpTexts, RtfFormatIsFirstMentionedInTheIntroduction) {
  const std::string& body = help::bodyText();
  const auto intro = body.find("・はじめに");
  const auto next = body.find("・起動方法");
  const auto at = body.find("<RTF形式>");
  EXPECT_GT(at, intro);
  EXPECT_LT(at, next);
}

}  // namespace
}  // namespace kakipo
