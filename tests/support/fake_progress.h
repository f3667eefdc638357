// A progress dialog that records each showing and closing, for native tests. A test may refuse
// the showing, as a second instance's dialog does, or act at either moment.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/progress.h"

namespace kakipo::test {

struct ProgressCall {
  bool cancelAllowed = false;
  std::string caption;
  int minimum = 0;
  int maximum = 0;
  int kind = 0;
};

class RecordingProgressDialog : public ProgressDialog {
 public:
  bool sinkouHyoj(bool cancelAllowed, const std::string& caption, int minimum, int maximum,
                  int kind) override {
    shows.push_back({cancelAllowed, caption, minimum, maximum, kind});
    if (onShow) onShow();
    open = canShow;
    return canShow;
  }
  void sinkouSyuryo() override {
    open = false;
    ++closes;
    if (onClose) onClose();
  }
  bool cancelRequested() override { return cancel; }

  bool canShow = true;
  bool cancel = false;  // the user pressed the dialog's cancel button
  std::vector<ProgressCall> shows;
  bool open = false;
  int closes = 0;
  std::function<void()> onShow;
  std::function<void()> onClose;
};

}  // namespace kakipo::test
