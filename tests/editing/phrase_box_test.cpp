#include "editing/phrase_box.h"

#include <gtest/gtest.h>

#include "support/fake_form.h"
#include "support/memory_editor.h"

namespace kakipo {
namespace {

struct PhraseBoxTest : ::testing::Test {
  WindowState state;
  test::MemoryEditor memo1;
  test::FakePhraseBox view;
  PhraseBox box{state, memo1, view};

  void SetUp() override {
    view.setItems({"p0", "p1", "p2", "p3", "p4", "p5", "p6", "p7", "p8", "p9"});
    box.comboSyokika();
  }
  // The user chooses entry i from the open list: the box shows it, then the pick runs.
  void pick(int i) {
    view.setItemIndex(i);
    view.setText(view.items()[i]);
    box.ComboBox1Click();
  }
  // Typing changes only the edit field; the platform drops the chosen entry when it no longer matches.
  void type(const std::string& text) {
    view.setText(text);
    view.setItemIndex(-1);
  }
  using Items = std::vector<std::string>;
};

TEST_F(PhraseBoxTest, StartsOnPhraseZero) {
  EXPECT_EQ(view.text(), "p0");
  EXPECT_EQ(view.itemIndex(), 0);
  EXPECT_EQ(state.phraseIndex, 0);
}

TEST_F(PhraseBoxTest, EditedPhraseReplacesThePickedOneAtTheEndAndASecondEnterReplacesItAgain) {
  pick(2);
  EXPECT_EQ(state.phraseIndex, 2);
  EXPECT_EQ(memo1.focusCount, 1);
  type("edited");
  EXPECT_EQ(view.items()[2], "p2") << "typing alone changes no entry";
  EXPECT_TRUE(box.ComboBox1KeyPress('\r'));
  EXPECT_EQ(view.items(), (Items{"p0", "p1", "p3", "p4", "p5", "p6", "p7", "p8", "p9", "edited"}));
  EXPECT_EQ(view.text(), "edited");
  EXPECT_EQ(view.itemIndex(), 9);
  EXPECT_EQ(state.phraseIndex, 9);
  EXPECT_EQ(memo1.focusCount, 2);

  type("again");
  EXPECT_TRUE(box.ComboBox1KeyPress('\r'));
  EXPECT_EQ(view.items(), (Items{"p0", "p1", "p3", "p4", "p5", "p6", "p7", "p8", "p9", "again"}));
  EXPECT_EQ(view.text(), "again");
}

TEST_F(PhraseBoxTest, EnterWithoutAPickReplacesPhraseZero) {
  type("first");
  box.ComboBox1KeyPress('\r');
  EXPECT_EQ(view.items(), (Items{"p1", "p2", "p3", "p4", "p5", "p6", "p7", "p8", "p9", "first"}));
}

TEST_F(PhraseBoxTest, EnterOnAnUnchangedPickMovesItToTheEnd) {
  pick(4);
  box.ComboBox1KeyPress('\r');
  EXPECT_EQ(view.items(), (Items{"p0", "p1", "p2", "p3", "p5", "p6", "p7", "p8", "p9", "p4"}));
  EXPECT_EQ(view.text(), "p4");
}

TEST_F(PhraseBoxTest, EmptyBoxIsStoredAsNothing) {
  pick(1);
  type("");
  box.ComboBox1KeyPress('\r');
  EXPECT_EQ(view.items().size(), 10u);
  EXPECT_EQ(view.items().back(), "nothing");
  EXPECT_EQ(view.text(), "nothing");
}

TEST_F(PhraseBoxTest, OtherKeysBelongToTheBox) {
  type("abc");
  for (char key : {'a', '\n', '\x1b', ' ', '\b'}) EXPECT_FALSE(box.ComboBox1KeyPress(key)) << int(key);
  EXPECT_EQ(view.items()[0], "p0");
  EXPECT_EQ(view.text(), "abc");
  EXPECT_EQ(memo1.focusCount, 0);
}

TEST_F(PhraseBoxTest, PickThatChoosesNothingKeepsTheIndexAndTheListStaysTen) {
  pick(3);
  view.setItemIndex(-1);
  box.ComboBox1Click();
  EXPECT_EQ(state.phraseIndex, 3);
  state.phraseIndex = 42;  // whatever happened, Enter never grows the list
  type("x");
  box.ComboBox1KeyPress('\r');
  EXPECT_EQ(view.items().size(), 10u);
  EXPECT_EQ(view.items().back(), "x");
}

TEST_F(PhraseBoxTest, DoubleClickInsertsInFrontOfTheSelectionWhichStays) {
  memo1.setText("Hello World");
  memo1.select(6, 5);
  type("dear ");
  box.ComboBox1DblClick();
  EXPECT_EQ(memo1.text(), "Hello dear World");
  EXPECT_EQ(memo1.selStart(), 11);
  EXPECT_EQ(memo1.selLength(), 0);
  EXPECT_EQ(memo1.focusCount, 1);
  EXPECT_EQ(view.items()[0], "p0") << "an edited box text is inserted without storing it";
}

TEST_F(PhraseBoxTest, DoubleClickAddsNoLineBreak) {
  memo1.setText("ab\r\ncd");
  memo1.select(4, 0);
  view.setText("前略");
  box.ComboBox1DblClick();
  EXPECT_EQ(memo1.text(), "ab\r\n前略cd");
}

}  // namespace
}  // namespace kakipo
