// The current document: its file name and the texts that show it, and new documents.
#pragma once
#include <string>

#include "app/editor.h"
#include "app/form_window.h"
#include "app/window_state.h"
#include "editing/appearance.h"

namespace kakipo {

inline const std::string titlePrefix = "カキポ ";

// What follows the last "\" or ":" of a path. A trail byte 0x5C of a double-byte character is
// not a separator.
std::string filePart(const std::string& path);

class Documents {
 public:
  Documents(WindowState& state, Editor& memo1, FormWindow& form, Appearance& appearance)
      : state_(state), memo1_(memo1), form_(form), appearance_(appearance) {}

  void fnameSet(const std::string& name);
  void fileSinki();

 private:
  WindowState& state_;
  Editor& memo1_;
  FormWindow& form_;
  Appearance& appearance_;
};

}  // namespace kakipo
