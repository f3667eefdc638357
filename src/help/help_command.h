// The version-and-help button (the unit aboutBox_): it shows the about box and, on "ヘルプ表示",
// the help viewer.
#pragma once
#include "help/help_windows.h"

namespace kakipo {

class HelpCommand {
 public:
  explicit HelpCommand(HelpWindows& windows) : windows_(windows) {}
  // The version-and-help button.
  void tbtnVajHelClick() {
    if (windows_.showAboutBox() == aboutresult::showHelp) windows_.showHelpViewer();
  }

 private:
  HelpWindows& windows_;
};

}  // namespace kakipo
