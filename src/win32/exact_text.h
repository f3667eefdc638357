// The ExactText port over the rich-edit adapter: the control's own UTF-16 text to UTF-8 and back.
// Interim: folds into RichEditor once the Editor port reads and loads UTF-8 (Unicode documents).
#pragma once
#include <string>

#include "core/exact_text.h"
#include "win32/rich_editor.h"

namespace kakipo::win32 {

class RichExactText : public ExactText {
 public:
  explicit RichExactText(RichEditor& memo1) : memo1_(memo1) {}
  std::string utf8() const override;
  void loadUtf8(const std::string& text) override;

 private:
  RichEditor& memo1_;
};

}  // namespace kakipo::win32
