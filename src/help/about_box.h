// The about box (unit aboutBox_) as the program describes it, and the button command that shows it
// and, on "ヘルプ表示", the help viewer.
#pragma once
#include <string>

#include "core/version.h"

namespace kakipo {

namespace texts {
inline const std::string aboutCaption = "バージョン＆ヘルプ";
inline const std::string productName = "カキポ";
inline const std::string aboutVersion = "Version " KAKIPO_VERSION_TEXT;
inline const std::string copyright = "Copyright (C) 2025 カキポ制作室";
inline const std::string aboutHelpButton = "ヘルプ表示";
inline const std::string aboutCancelButton = "キャンセル";
}  // namespace texts

// The about box's modal results.
namespace aboutresult {
constexpr int showHelp = 1;  // OK
constexpr int cancel = 2;    // the cancel button or the close box
}  // namespace aboutresult

// The two help windows as the main window opens them.
class HelpWindows {
 public:
  virtual ~HelpWindows() = default;
  // Builds a new about box, shows it modally and returns its result; the box is gone afterwards.
  virtual int showAboutBox() = 0;
  // Creates the help viewer unless it exists, shows it and brings it to the front.
  virtual void showHelpViewer() = 0;
  // Closes and forgets the help viewer if it is open.
  virtual void releaseHelpViewer() = 0;
};

class HelpCommand {
 public:
  explicit HelpCommand(HelpWindows& windows) : windows_(windows) {}
  void tbtnVajHelClick() {
    if (windows_.showAboutBox() == aboutresult::showHelp) windows_.showHelpViewer();
  }

 private:
  HelpWindows& windows_;
};

}  // namespace kakipo
