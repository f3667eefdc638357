// Ports for Find and Replace: the two modeless common dialogs, and what a found match asks of the
// main window. The Win32 shell implements both; tests use fakes.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "core/control_offsets.h"
#include "core/unicode_text.h"
#include "search/search_options.h"

namespace kakipo {

enum class SearchDialog { Find, Replace };

// Each dialog holds at most this many bytes of search text, the Replace dialog as many of
// replacement text.
inline constexpr std::size_t dialogTextLimit = 255;

// The option word a dialog starts with; the other bits of its settings (whole word hidden, and
// for Replace up/down hidden) are the shell's to apply when it creates the dialog.
inline constexpr unsigned dialogInitialOptions = fr::down;

// How many UTF-16 units of a dialog box's text make its text: whole characters (a surrogate pair
// is one) as far as they fit into dialogTextLimit bytes of its CP932 view.
inline std::size_t dialogTextUnits(std::u16string_view text, const UnitByteLengths& lengths) {
  std::size_t units = 0;
  std::size_t bytes = 0;
  while (units < text.size()) {
    const bool pair = units + 1 < text.size() && text[units] >= 0xD800 && text[units] <= 0xDBFF &&
                      text[units + 1] >= 0xDC00 && text[units + 1] <= 0xDFFF;
    const std::size_t width = pair ? 2 : 1;
    const std::size_t more = pair ? 2 : lengths[text[units]];
    if (bytes + more > dialogTextLimit) break;
    bytes += more;
    units += width;
  }
  return units;
}

class SearchDialogs {
 public:
  virtual ~SearchDialogs() = default;
  // Opens the modeless dialog, or brings it to the top if it is open already.
  virtual void show(SearchDialog dialog) = 0;
  // The text in the dialog's search box (its CP932 view at most dialogTextLimit bytes, cut
  // between characters).
  virtual UnicodeText findText(SearchDialog dialog) const = 0;
  // The Replace dialog's replacement text (the same limit).
  virtual UnicodeText replaceText() const = 0;
  // The option word as of the latest notification: fr::down, fr::findNext, fr::matchCase,
  // fr::replace, fr::replaceAll (fr::wholeWord never, as both dialogs hide it).
  virtual unsigned options(SearchDialog dialog) const = 0;
};

class SearchWindow {
 public:
  virtual ~SearchWindow() = default;
  // Brings the main window to the front (the Replace dialog may keep the focus).
  virtual void bringToFront() = 0;
  // Makes the editor memo1 the main window's active control.
  virtual void activateEditor() = 0;
};

}  // namespace kakipo
