// The phrase box control (an editable drop-down list of ten phrases) as the logic drives it.
#pragma once
#include <string>
#include <vector>

namespace kakipo {

class PhraseBoxView {
 public:
  virtual ~PhraseBoxView() = default;
  virtual std::vector<std::string> items() const = 0;
  virtual void setItems(const std::vector<std::string>& items) = 0;
  virtual std::string text() const = 0;  // the edit field
  virtual void setText(const std::string& text) = 0;
  virtual int itemIndex() const = 0;  // -1 when the edit field matches no chosen entry
  virtual void setItemIndex(int index) = 0;
};

}  // namespace kakipo
