// The progress dialog put up around a long synchronous operation (a document load, a large paste).
#pragma once
#include <string>

namespace kakipo {

// The animation clips the dialog can play, numbered as its callers pass them.
namespace clip {
inline constexpr int none = 0;
inline constexpr int searchingForFile = 2;  // the one both callers use
inline constexpr int last = 8;
}  // namespace clip

class ProgressDialog {
 public:
  virtual ~ProgressDialog() = default;
  // "Show progress": shows the dialog; false (and nothing shown) when a progress dialog of any
  // running instance of the program is already up. kind is the animation clip 0 ... 8.
  virtual bool sinkouHyoj(bool cancelAllowed, const std::string& caption, int minimum, int maximum,
                          int kind) = 0;
  // "End progress": closes this instance's dialog if it has one open.
  virtual void sinkouSyuryo() = 0;
  // Whether the cancel button was pressed since the show, taking any press still waiting: the
  // caller's operation holds the thread, and this is where the dialog gets to hear the button.
  virtual bool cancelRequested() = 0;
};

// Keeps the dialog up for a scope; it comes down however the scope is left.
class ProgressScope {
 public:
  ProgressScope(ProgressDialog& dialog, bool cancelAllowed, const std::string& caption)
      : dialog_(dialog) {
    dialog_.sinkouHyoj(cancelAllowed, caption, 0, 1, clip::searchingForFile);
  }
  ~ProgressScope() { dialog_.sinkouSyuryo(); }
  ProgressScope(const ProgressScope&) = delete;
  ProgressScope& operator=(const ProgressScope&) = delete;

 private:
  ProgressDialog& dialog_;
};

}  // namespace kakipo
