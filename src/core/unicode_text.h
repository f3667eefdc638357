// A text from outside the program that may hold characters code page 932 cannot (what the user
// typed into the Find and Replace boxes, the clipboard's text): its CP932 view, and the text
// itself as UTF-8 wherever that view is not exact.
#pragma once
#include <optional>
#include <string>
#include <utility>

namespace kakipo {

struct UnicodeText {
  UnicodeText() = default;
  // A CP932 text is its own exact form.
  UnicodeText(std::string cp932Text) : cp932(std::move(cp932Text)) {}  // NOLINT: implicit on purpose
  UnicodeText(const char* cp932Text) : cp932(cp932Text) {}             // NOLINT
  UnicodeText(std::string cp932Text, std::string utf8Text) : cp932(std::move(cp932Text)), utf8(std::move(utf8Text)) {}

  // The text as the editor's text() shows it: one "?" for each UTF-16 unit CP932 cannot hold, so
  // its length is the number of bytes it takes in the document.
  std::string cp932;
  // Only when cp932 is not exact: the text itself, CR LF line breaks.
  std::optional<std::string> utf8;

  bool fitsCp932() const { return !utf8; }
  friend bool operator==(const UnicodeText&, const UnicodeText&) = default;
};

}  // namespace kakipo
