// Ports for Find and Replace: the two modeless common dialogs, and what a found match asks of the
// main window. The Win32 shell implements both; tests use fakes.
#pragma once
#include <cstddef>
#include <string>

#include "search/search_options.h"

namespace kakipo {

enum class SearchDialog { Find, Replace };

// A search text is at most this many bytes as Shift_JIS counts them, the Replace dialog's
// replacement text as many; a longer box text is cut between characters.
inline constexpr std::size_t dialogTextLimit = 255;

// The option word a dialog starts with; the other bits of its settings (whole word hidden, and
// for Replace up/down hidden) are the shell's to apply when it creates the dialog.
inline constexpr unsigned dialogInitialOptions = fr::down;

class SearchDialogs {
 public:
  virtual ~SearchDialogs() = default;
  // Opens the modeless dialog, or brings it to the top if it is open already.
  virtual void show(SearchDialog dialog) = 0;
  // The text in the dialog's search box, as it is.
  virtual std::string findText(SearchDialog dialog) const = 0;
  // The Replace dialog's replacement text.
  virtual std::string replaceText() const = 0;
  // The option word as of the latest notification: fr::down, fr::findNext, fr::matchCase,
  // fr::replace, fr::replaceAll (fr::wholeWord never, as both dialogs hide it).
  virtual unsigned options(SearchDialog dialog) const = 0;
  // Whether the dialog's あいまい検索 box was ticked at the latest notification: off until the
  // user ticks it, then as the user left it for the rest of the session.
  virtual bool fuzzy(SearchDialog dialog) const = 0;
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
