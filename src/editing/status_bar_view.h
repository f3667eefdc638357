// The main window's status bar as the logic writes to it: four panels of text.
#pragma once
#include <string>

namespace kakipo {

class StatusBarView {
 public:
  virtual ~StatusBarView() = default;
  virtual void setPanelText(int panel, const std::string& text) = 0;
};

}  // namespace kakipo
