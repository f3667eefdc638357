// The current document: its file name and the texts that show it, new documents, and the bytes
// its plain text was read from.
#pragma once
#include <string>

#include "core/editor.h"
#include "core/form_window.h"
#include "core/window_state.h"
#include "documents/plain_text_original.h"
#include "editing/appearance.h"

namespace kakipo {

inline const std::string titlePrefix = "カキポ ";

// What follows the last "\" or ":" of a path. A trail byte 0x5C of a double-byte character is
// not a separator.
std::string filePart(const std::string& path);
// From the last "." of the file part to the end, dot included; empty when the file part has none.
std::string extensionOf(const std::string& path);
// Only the ASCII letters change, so double-byte characters stay intact.
std::string upperAscii(std::string s);
// A name whose extension is .kpo in any letter case is a rich-text document.
bool isRichTextName(const std::string& path);

class Documents {
 public:
  Documents(WindowState& state, Editor& memo1, FormWindow& form, Appearance& appearance)
      : state_(state), memo1_(memo1), form_(form), appearance_(appearance) {}

  void fnameSet(const std::string& name);
  void fileSinki();

  // Dropped by every new document and every load, refreshed by every plain-text load and save.
  PlainTextOriginal original;

 private:
  WindowState& state_;
  Editor& memo1_;
  FormWindow& form_;
  Appearance& appearance_;
};

}  // namespace kakipo
