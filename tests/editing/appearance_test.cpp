#include "editing/appearance.h"
#include "editing/font_buttons.h"

#include <gtest/gtest.h>

#include "support/fake_font_dialogs.h"
#include "support/fake_form.h"
#include "support/memory_editor.h"
#include "support/scripted_ui.h"

namespace kakipo::test {
namespace {

struct AppearanceTest : ::testing::Test {
  WindowState state;
  MemoryEditor memo1;
  FakeForm form;
  ScriptedMessageBoxes ui;
  FakeFontColourDialogs dialogs;
  Appearance appearance{state, memo1, form};
  FontButtons fonts{state, memo1, ui, dialogs};
};

Font fontNamed(const std::string& name, int height) {
  Font f;
  f.name = name;
  f.setHeight(height);
  return f;
}

TEST_F(AppearanceTest, WrapTwiceReturnsToBothScrollBarsKeepingTextAndFlag) {
  memo1.setText("text");
  memo1.setModified(true);
  form.wrapDown = true;
  appearance.tbtnWrapClick();
  EXPECT_TRUE(memo1.wordWrap());
  EXPECT_EQ(memo1.scrollBars(), ScrollBars::Vertical);
  form.wrapDown = false;
  appearance.tbtnWrapClick();
  EXPECT_FALSE(memo1.wordWrap());
  EXPECT_EQ(memo1.scrollBars(), ScrollBars::Both);
  EXPECT_EQ(memo1.text(), "text");
  EXPECT_TRUE(memo1.modified());
  EXPECT_EQ(memo1.focusCount, 2);
}

TEST_F(AppearanceTest, FontButtonWithoutSelectionOnlyTells) {
  fonts.tbtnFontClick();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "フォント変更する箇所を範囲選択しておいてね");
  EXPECT_EQ(ui.shown[0].caption, "カキポ ♪フォント変更する前に");
  EXPECT_EQ(ui.shown[0].flags, mb::ok | mb::iconInformation);
  EXPECT_TRUE(dialogs.fontSeeds.empty());
  EXPECT_EQ(memo1.focusCount, 0);
}

TEST_F(AppearanceTest, FontDialogStartsFromItsOwnFontAndKeepsTheChoice) {
  memo1.setText("abc");
  memo1.select(0, 2);
  const Font before = memo1.selectionFormat();
  dialogs.fontAnswers = {std::nullopt, fontNamed("Chosen", -20), std::nullopt};
  fonts.tbtnFontClick();  // cancelled
  EXPECT_EQ(memo1.selectionFormat(), before);
  fonts.tbtnFontClick();
  EXPECT_EQ(memo1.selectionFormat().name, "Chosen");
  fonts.tbtnFontClick();
  ASSERT_EQ(dialogs.fontSeeds.size(), 3u);
  const Font& first = dialogs.fontSeeds[0];
  EXPECT_EQ(first.charset, 128);
  EXPECT_EQ(first.color, clWindowText);
  EXPECT_EQ(first.height(), -12);
  EXPECT_EQ(first.name, "ＭＳ Ｐゴシック");
  EXPECT_EQ(first.style, FontStyle{});
  EXPECT_EQ(dialogs.fontSeeds[2].name, "Chosen");
  EXPECT_EQ(memo1.focusCount, 3);
  EXPECT_EQ(memo1.defaultFormat(), Font{});  // only the selection changes
}

TEST_F(AppearanceTest, NextOpenFontChangesOnlyWhatComesNext) {
  memo1.setText("abc");
  const Font shown = memo1.defaultFormat();
  state.nextOpenFont = fontNamed("Next", -16);
  dialogs.fontAnswers = {std::nullopt};
  fonts.tbtnJikFonClick();
  EXPECT_EQ(state.nextOpenFont.name, "Next");
  EXPECT_EQ(dialogs.fontSeeds[0].name, "Next");
  // Cancelled, yet the selection's dialog now starts from the next-open font.
  memo1.select(0, 1);
  dialogs.fontAnswers = {std::nullopt, fontNamed("Later", -18)};
  fonts.tbtnFontClick();
  EXPECT_EQ(dialogs.fontSeeds[1].name, "Next");
  fonts.tbtnJikFonClick();
  EXPECT_EQ(state.nextOpenFont.name, "Later");
  EXPECT_EQ(memo1.defaultFormat(), shown);
  appearance.applyNextOpenFont();
  EXPECT_EQ(memo1.defaultFormat().name, "Later");
}

TEST_F(AppearanceTest, RightClickOnFontButtonChangesTheBackground) {
  memo1.setBackgroundColour(0x80000005u);
  dialogs.colourAnswers = {std::nullopt, 0x00FF8040u};
  fonts.tbtnFontMouseDown(MouseButton::Left);
  EXPECT_TRUE(dialogs.colourSeeds.empty());
  fonts.tbtnFontMouseDown(MouseButton::Right);  // cancelled
  EXPECT_EQ(memo1.backgroundColour(), 0x80000005u);
  fonts.tbtnFontMouseDown(MouseButton::Right);
  EXPECT_EQ(dialogs.colourSeeds, (std::vector<Colour>{0x80000005u, 0x80000005u}));
  EXPECT_EQ(memo1.backgroundColour(), 0x00FF8040u);
  EXPECT_EQ(state.backColour, 0x00FF8040u);
  EXPECT_TRUE(dialogs.fontSeeds.empty());
  EXPECT_EQ(memo1.focusCount, 0);
}

}  // namespace
}  // namespace kakipo::test
