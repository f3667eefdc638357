#include "app/error_report.h"

#include <gtest/gtest.h>

#include "support/scripted_ui.h"

namespace kakipo {
namespace {

TEST(ErrorBoxText, AddsAFullStopOnlyAfterBytesThatSortAfterIt) {
  EXPECT_EQ(errorBoxText("disk full"), "disk full.");
  EXPECT_EQ(errorBoxText("error 5"), "error 5.");
  EXPECT_EQ(errorBoxText("書き込めません"), "書き込めません.");
  EXPECT_EQ(errorBoxText("done."), "done.");
  EXPECT_EQ(errorBoxText("what!"), "what!");
  EXPECT_EQ(errorBoxText("(x)"), "(x)");
  EXPECT_EQ(errorBoxText("a/"), "a/.");
  EXPECT_EQ(errorBoxText(""), "");
}

TEST(ReportError, ShowsOneErrorBoxTitledWithTheWindowTitle) {
  test::ScriptedMessageBoxes ui;
  reportError(ui, "カキポ a.txt", "failed");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, "カキポ a.txt");
  EXPECT_EQ(ui.shown[0].text, "failed.");
  EXPECT_EQ(ui.shown[0].flags, mb::ok | mb::iconError);
}

TEST(Literals, AreCompiledAsCp932) {
  // A build without the execution character set flag would store UTF-8 here.
  EXPECT_EQ(std::string("カキポ表"), "\x83\x4A\x83\x4C\x83\x7C\x95\x5C");
}

}  // namespace
}  // namespace kakipo
