// The editor's whole text without loss, as UTF-8: what a recovery file keeps of a plain-text
// document, which may hold characters CP932 cannot (鷗 pasted in). Interim: to be folded into the
// Editor port once it reads and loads UTF-8 itself (Unicode documents).
#pragma once
#include <string>

namespace kakipo {

class ExactText {
 public:
  virtual ~ExactText() = default;
  // The whole text, line breaks as CR LF.
  virtual std::string utf8() const = 0;
  // Replaces the whole document by plain text; unmodified, no undo. Throws Error when the editor
  // cannot hold it all.
  virtual void loadUtf8(const std::string& text) = 0;
};

}  // namespace kakipo
