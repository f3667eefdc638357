#include "editing/conversion_commands.h"

#include <gtest/gtest.h>

#include "support/fake_progress.h"
#include "support/memory_editor.h"
#include "support/scripted_ui.h"

namespace kakipo {
namespace {

struct ConversionCommandsTest : ::testing::Test {
  test::MemoryEditor memo1;
  test::ScriptedMessageBoxes ui;
  test::RecordingProgressDialog progress;
  ConversionCommands commands{memo1, ui, progress};
};

// Catches edits left at the selection's offsets, and a selection afterwards that misses the
// converted text, so that a second conversion converts the wrong characters.
TEST_F(ConversionCommandsTest, ConvertsTheSelectionAndKeepsItSelectedForTheNext) {
  memo1.setText("前ﾃｽﾄABCｶﾞ!後");
  memo1.select(3, 19);
  commands.popZenkakuClick();
  EXPECT_EQ(memo1.selText(), "テストＡＢＣガ！");
  commands.popHiraganaClick();
  EXPECT_EQ(memo1.text(), "前てすとＡＢＣが！後");
  memo1.undo();
  EXPECT_EQ(memo1.text(), "前テストＡＢＣガ！後");
  memo1.select(0, 0);
  commands.popKatakanaClick();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "変換する箇所を範囲選択しておいてね");
}

}  // namespace
}  // namespace kakipo
