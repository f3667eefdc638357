// The version-and-help button (the unit aboutBox_): it shows the about box and, on "ヘルプ表示",
// the help viewer; the help key goes to the viewer directly.
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
  // F1: a user who asks for help wants the help, not the version box in front of it.
  void showHelp() { windows_.showHelpViewer(); }

 private:
  HelpWindows& windows_;
};

}  // namespace kakipo
