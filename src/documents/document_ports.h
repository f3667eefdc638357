// What the document commands need of the main window besides the editor and message boxes: the
// Open and Save common dialogs, the history menu and bringing the window to the front.
#pragma once
#include <string>
#include <vector>

#include "core/text_encoding.h"

namespace kakipo {

// The entries of the dialogs' filter (texts::fileDialogFilter) as the dialogs number them.
namespace filter {
inline constexpr int text = 1;    // *.txt
inline constexpr int kakipo = 2;  // *.kpo
inline constexpr int all = 3;     // *.*
}  // namespace filter

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // Each runs its dialog seeded with name and filterIndex (1-based). On OK it returns true, name
  // holds the full path chosen and filterIndex the filter the user left selected; on Cancel it
  // returns false and changes neither. Neither dialog insists that the file exists nor asks
  // about overwriting. The Save dialog also offers the encoding of a plain-text file, seeded with
  // and returned in `encoding`.
  virtual bool runOpenDialog(std::string& name, int& filterIndex) = 0;
  virtual bool runSaveDialog(std::string& name, int& filterIndex, TextEncoding& encoding) = 0;
};

// The five history entries of PopupMenu2 (popRirek0 ... popRirek4).
class HistoryMenu {
 public:
  virtual ~HistoryMenu() = default;
  // Shows text as it is: an "&" in a path is not an accelerator.
  virtual void setHistoryCaption(int index, const std::string& text) = 0;
};

// A character of the document that code page 932 cannot hold (an emoji, 鷗, text pasted from
// other programs): a Shift_JIS save would write "?" in its place.
struct LostCharacter {
  int line = 0;    // 0-based
  int column = 0;  // 0-based, in characters
  char32_t codePoint = 0;
  friend bool operator==(const LostCharacter&, const LostCharacter&) = default;
};

class MainWindowFront {
 public:
  virtual ~MainWindowFront() = default;
  virtual void bringToForeground() = 0;
};

}  // namespace kakipo
