// Go to line (Ctrl+G): a small dialog asks for a line number; the caret goes to the start of that
// line and the editor scrolls it into view. A number past the end means the last line.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/editor.h"

namespace kakipo {

// The dialog as the logic drives it; the Win32 shell implements it, tests fake it.
class GoToLineDialog {
 public:
  virtual ~GoToLineDialog() = default;
  // Runs the modal dialog with `initial` in its box. OK asks `refusal` about the box's text: an
  // empty answer closes the dialog and gives the text back; any other is shown to the user and the
  // dialog stays. Nothing after Cancel.
  virtual std::optional<std::string> askLineNumber(const std::string& initial,
                                                   const std::function<std::string(const std::string&)>& refusal) = 0;
};

// The number typed, blanks around it left out: digits only, the full-width ones of a Japanese
// input method as well; nothing for anything else. A number too large for an int is the largest.
std::optional<int> parseLineNumber(std::string_view text);
// The 0-based line that line `number` (1-based) of a document of lineCount lines is: past the end
// the last line, and line 0 for 0.
int lineToGoTo(int number, int lineCount);

class GoToLine {
 public:
  GoToLine(Editor& memo1, GoToLineDialog& dialog) : memo1_(memo1), dialog_(dialog) {}
  // Ctrl+G: asks for the line, starting from the caret's, and goes there.
  void run();

 private:
  Editor& memo1_;
  GoToLineDialog& dialog_;
};

}  // namespace kakipo
