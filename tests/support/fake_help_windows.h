// The about box and help viewer, counted instead of shown.
#pragma once
#include "help/help_windows.h"

namespace kakipo::test {

struct FakeHelpWindows : HelpWindows {
  int result = 0;
  int aboutShown = 0;
  int viewerShown = 0;
  int showAboutBox() override {
    ++aboutShown;
    return result;
  }
  void showHelpViewer() override { ++viewerShown; }
  void releaseHelpViewer() override { ++viewerReleased; }
  int viewerReleased = 0;
};

}  // namespace kakipo::test
