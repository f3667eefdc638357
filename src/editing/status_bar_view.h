// The main window's status bar as the logic writes to it: four panels of text, or one notice
// across the whole bar.
#pragma once
#include <string>

namespace kakipo {

class StatusBarView {
 public:
  virtual ~StatusBarView() = default;
  virtual void setPanelText(int panel, const std::string& text) = 0;
  // Shows text across the whole bar in place of the panels; an empty text brings the panels back.
  virtual void setNotice(const std::string& text) = 0;
};

}  // namespace kakipo
