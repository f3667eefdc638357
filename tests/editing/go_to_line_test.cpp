// Go to line: what counts as a line number, where a number past the end goes, and the command.
#include "editing/go_to_line.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/editing_fakes.h"
#include "support/memory_editor.h"

namespace kakipo {
namespace {

TEST(LineNumber, DigitsOnlyFullWidthTooBlanksAround) {
  const std::pair<const char*, std::optional<int>> rows[] = {
      {"12", 12}, {" 7\t", 7}, {"\u3000\uFF11\uFF12", 12}, {"0", 0},           {"99999999999", INT_MAX},
      {"", {}},   {" ", {}},   {"1 2", {}},                 {"-3", {}},         {"+3", {}},
      {"3\u884C", {}}, {"abc", {}}};
  for (const auto& [text, number] : rows) EXPECT_EQ(parseLineNumber(text), number) << text;
}

TEST(LineNumber, PastTheEndIsTheLastLine) {
  const int rows[][3] = {{1, 5, 0}, {5, 5, 4}, {6, 5, 4}, {INT_MAX, 5, 4}, {0, 5, 0}, {3, 1, 0}};
  for (const auto& r : rows) EXPECT_EQ(lineToGoTo(r[0], r[1]), r[2]) << r[0] << " of " << r[1];
}

TEST(GoToLine, RefusesWhatIsNoNumberThenPutsTheCaretAtTheLinesStartInView) {
  test::MemoryEditor memo1;
  test::FakeGoToLineDialog dialog;
  GoToLine goToLine(memo1, dialog);
  std::string text;
  for (int i = 0; i < 50; ++i) text += "line\r\n";
  memo1.setText(text);
  memo1.select(8, 0);  // line 2
  dialog.typed = {"x", "40"};
  goToLine.run();
  EXPECT_EQ(dialog.shownWith, "2");
  EXPECT_EQ(dialog.refusals, std::vector<std::string>{"行番号は数字で入れてね"});
  EXPECT_EQ(memo1.caret(), (CaretPos{39, 0}));
  EXPECT_GT(memo1.firstVisibleLine(), 39 - test::MemoryEditor::visibleLines);
  goToLine.run();  // Cancel
  EXPECT_EQ(memo1.caret(), (CaretPos{39, 0}));
  EXPECT_FALSE(memo1.modified());
}

}  // namespace
}  // namespace kakipo
