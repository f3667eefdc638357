// The system clipboard as the paste command reads it: plain text only, every character kept.
#pragma once
#include <string>

namespace kakipo {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // True when the clipboard holds text in any form the system can hand out as plain text.
  virtual bool hasText() const = 0;
  // The plain text with CR LF line breaks; empty when there is none.
  virtual std::string text() const = 0;
};

}  // namespace kakipo
