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

TEST(Literals, AreUtf8) {
  // A compiler that took the sources for the system's code page would store other bytes here.
  EXPECT_EQ(std::string("カキポ表"), "\xE3\x82\xAB\xE3\x82\xAD\xE3\x83\x9D\xE8\xA1\xA8");
}

}  // namespace
}  // namespace kakipo
