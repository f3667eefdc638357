// A message-box facade for tests: answers come from a queue, and every box shown is recorded with
// its text, caption and flags so a test can check exactly what the user would have seen.
#pragma once
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ui.h"

namespace kakipo::test {

struct ShownBox {
  std::string text;
  std::string caption;
  unsigned flags = 0;
};

class ScriptedMessageBoxes : public MessageBoxes {
 public:
  int messageBox(const std::string& text, const std::string& caption, unsigned flags) override {
    shown.push_back({text, caption, flags});
    if (answers.empty()) {
      // A box with only OK needs no scripted answer; anything else must be planned by the test.
      if ((flags & 0xF) == mb::ok) return mb::idOk;
      throw std::logic_error("unexpected message box: " + caption);
    }
    const int a = answers.front();
    answers.pop_front();
    return a;
  }

  std::deque<int> answers;
  std::vector<ShownBox> shown;
};

}  // namespace kakipo::test
