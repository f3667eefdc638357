// The two help windows as the main window opens them: the modal about box and the help viewer.
// The Win32 shell implements the port; tests count the calls.
#pragma once

namespace kakipo {

// The about box's modal results.
namespace aboutresult {
constexpr int showHelp = 1;  // OK
constexpr int cancel = 2;    // the cancel button or the close box
}  // namespace aboutresult

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

}  // namespace kakipo
