// The help viewer's lookups and handlers on the real help texts.
#include "help/vajhel.h"

#include <gtest/gtest.h>

#include "help/help_content.h"
#include "help/help_texts.h"
#include "support/fake_help_pane.h"

namespace kakipo {
namespace {

struct VajHelTest : ::testing::Test {
  test::FakeHelpPane richEdit1{help::bodyText()};
  test::FakeHelpPane richEdit2{help::detailText()};
  test::FakeHelpView view;
  VajHel vajhel{richEdit1, richEdit2, view};

  static int lineOf(const std::string& text, const std::string& what) {
    test::MemoryEditor e;
    e.setText(text);
    return e.lineFromOffset(static_cast<int>(text.find(what)));
  }
};

TEST_F(VajHelTest, TreeEntrySelectsItsHeadOnTheBodyPageAndScrollsItToTheTop) {
  view.page = HelpPage::Detail;
  vajhel.TreeView1MouseUp(std::string("・文字列の検索"));
  EXPECT_EQ(view.page, HelpPage::Body);
  EXPECT_EQ(view.status, texts::honbunStatus);
  EXPECT_EQ(richEdit1.selText(), "・文字列の検索");
  const int head = lineOf(help::bodyText(), " ・文字列の検索");
  EXPECT_EQ(richEdit1.caretLine(), head);
  EXPECT_EQ(richEdit1.topLine, head);
  EXPECT_TRUE(richEdit1.lastFindMatchCase);
  EXPECT_FALSE(richEdit1.lastFindWholeWord);
}

TEST_F(VajHelTest, EveryTreeEntryLandsOnItsHeadOrAsHighAsTheTextAllows) {
  for (const auto& e : help::contentsTree()) {
    vajhel.TreeView1KeyUp(std::string(e.text));
    const int head = lineOf(help::bodyText(), e.text);
    EXPECT_EQ(richEdit1.selText(), e.text);
    EXPECT_EQ(richEdit1.topLine, std::min(head, richEdit1.maxTopLine())) << e.text;
  }
}

TEST_F(VajHelTest, KeywordShowsItsEntryAtTheTopOfTheDetailPage) {
  vajhel.ListBox1MouseUp(std::string("<背景色>"));
  EXPECT_EQ(view.page, HelpPage::Detail);
  EXPECT_EQ(view.status, texts::syosaiStatus);
  EXPECT_EQ(richEdit2.selText(), "<背景色>");
  EXPECT_EQ(richEdit2.topLine, lineOf(help::detailText(), "<背景色>"));
  EXPECT_TRUE(richEdit2.lastFindMatchCase);
  EXPECT_TRUE(richEdit2.lastFindWholeWord);
}

TEST_F(VajHelTest, LastEntriesEndAsFarUpAsTheTextAllows) {
  vajhel.ListBox1KeyUp(std::string("<ステータスバー>"));
  const int head = lineOf(help::detailText(), "<ステータスバー>");
  ASSERT_GT(head, richEdit2.maxTopLine());
  EXPECT_EQ(richEdit2.topLine, richEdit2.maxTopLine());
  EXPECT_EQ(richEdit2.selText(), "<ステータスバー>");
}

TEST_F(VajHelTest, RightClickOnAKeywordWithBlanksAroundShowsItsDetailEntry) {
  const auto at = static_cast<int>(help::bodyText().find("<フォント>"));
  richEdit1.select(at, static_cast<int>(std::string("<フォント>、").size()));
  vajhel.RichEdit1MouseUp(MouseButton::Right);
  EXPECT_EQ(view.page, HelpPage::Body) << "a full-width comma is not trimmed, so nothing is found";
  EXPECT_EQ(richEdit2.finds, 1);

  const std::string padded = " \t<フォント>\r\n";
  test::FakeHelpPane body{"x" + padded + "y"};
  VajHel v{body, richEdit2, view};
  body.select(1, static_cast<int>(padded.size()));
  v.RichEdit1MouseUp(MouseButton::Right);
  EXPECT_EQ(view.page, HelpPage::Detail);
  EXPECT_EQ(richEdit2.selText(), "<フォント>");
  EXPECT_EQ(richEdit2.topLine, lineOf(help::detailText(), "<フォント>"));
}

TEST_F(VajHelTest, RightClickInTheDetailShowsTheFirstMentionInTheBody) {
  view.page = HelpPage::Detail;
  richEdit2.select(0, static_cast<int>(std::string("<RTF形式>").size()));
  vajhel.RichEdit2MouseUp(MouseButton::Right);
  EXPECT_EQ(view.page, HelpPage::Body);
  EXPECT_EQ(view.status, texts::honbunStatus);
  EXPECT_EQ(richEdit1.selText(), "<RTF形式>");
  const int mention = lineOf(help::bodyText(), "<RTF形式>");
  EXPECT_GT(mention, lineOf(help::bodyText(), "・はじめに"));
  EXPECT_LT(mention, lineOf(help::bodyText(), "・起動方法"));
  EXPECT_EQ(richEdit1.topLine, mention);
}

TEST_F(VajHelTest, OtherButtonsAndEmptySelectionsDoNothing) {
  richEdit1.select(10, 0);
  vajhel.RichEdit1MouseUp(MouseButton::Right);
  richEdit2.select(0, 5);
  const int selected = richEdit2.selLength();
  vajhel.RichEdit2MouseUp(MouseButton::Left);
  vajhel.RichEdit2MouseUp(MouseButton::Middle);
  vajhel.TreeView1MouseUp(std::nullopt);
  vajhel.ListBox1KeyUp(std::nullopt);
  EXPECT_EQ(richEdit1.finds + richEdit2.finds, 0);
  EXPECT_EQ(richEdit1.selStart(), 10);
  EXPECT_EQ(richEdit2.selLength(), selected);
  EXPECT_EQ(view.pageSwitches, 0);
  EXPECT_EQ(view.status, "");
}

TEST_F(VajHelTest, TextThatIsNotFoundOnlyCollapsesTheSelectionAtTheStart) {
  view.page = HelpPage::Detail;
  view.status = "before";
  richEdit1.topLine = 7;
  richEdit1.select(40, 6);
  vajhel.sentakHyoj("見つからない言葉");
  EXPECT_EQ(richEdit1.selStart(), 0);
  EXPECT_EQ(richEdit1.selLength(), 0);
  EXPECT_EQ(richEdit1.topLine, 7);
  EXPECT_EQ(view.page, HelpPage::Detail);
  EXPECT_EQ(view.status, "before");

  // A selection of blanks alone trims to nothing and must not match everywhere.
  richEdit2.select(0, 0);
  test::FakeHelpPane blanks{"   \r\n  "};
  VajHel v{richEdit1, blanks, view};
  blanks.select(0, 3);
  v.RichEdit2MouseUp(MouseButton::Right);
  EXPECT_EQ(view.page, HelpPage::Detail);
}

TEST_F(VajHelTest, TabShowHandlersSetTheirStatusTexts) {
  vajhel.TabSyosaiShow();
  EXPECT_EQ(view.status.substr(view.status.size() - std::string("本文説明表示。").size()), "本文説明表示。");
  vajhel.TabHonbunShow();
  EXPECT_EQ(view.status.substr(view.status.size() - std::string("詳細説明表示。").size()), "詳細説明表示。");
  // A lookup on the page already shown does not run the show handler again.
  view.status = "kept";
  vajhel.sentakHyoj("・はじめに");
  EXPECT_EQ(view.status, "kept");
}

TEST(TrimBlanks, RemovesControlBytesAndSpacesAtBothEndsOnly) {
  EXPECT_EQ(trimBlanks(" \t\r\n<背景色> \x01"), "<背景色>");
  EXPECT_EQ(trimBlanks("a b"), "a b");
  EXPECT_EQ(trimBlanks("\x7F!"), "\x7F!");
  EXPECT_EQ(trimBlanks(" \r\n "), "");
  EXPECT_EQ(trimBlanks("\x81\x40x"), "\x81\x40x");  // a full-width space is not a blank byte
}

}  // namespace
}  // namespace kakipo
