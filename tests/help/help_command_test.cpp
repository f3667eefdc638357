#include "help/help_command.h"

#include <gtest/gtest.h>

#include "support/fake_help_windows.h"

namespace kakipo {
namespace {

TEST(HelpCommand, OnlyTheHelpButtonOfTheAboutBoxOpensTheViewer) {
  test::FakeHelpWindows windows;
  HelpCommand command{windows};
  for (int result : {aboutresult::cancel, 0, 6}) {
    windows.result = result;
    command.tbtnVajHelClick();
  }
  EXPECT_EQ(windows.aboutShown, 3);
  EXPECT_EQ(windows.viewerShown, 0);
  windows.result = aboutresult::showHelp;
  command.tbtnVajHelClick();
  EXPECT_EQ(windows.viewerShown, 1);
}

}  // namespace
}  // namespace kakipo
