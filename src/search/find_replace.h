// The Find and Replace commands: the Find dialog searches from the selection with the program's own
// engine; the Replace dialog finds with the editor's find from the search anchor, replaces one
// match or, after a confirmation, all of them. With あいまい検索 ticked, both find with the fuzzy
// search instead. F3 repeats the last search of either dialog.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/editor.h"
#include "core/ui.h"
#include "search/fuzzy_match.h"
#include "search/search_dialogs.h"

namespace kakipo {

class FindReplace {
 public:
  FindReplace(Editor& memo1, MessageBoxes& ui, SearchDialogs& dialogs, SearchWindow& window)
      : memo1_(memo1), ui_(ui), dialogs_(dialogs), window_(window) {}

  // The find and replace ("tikan") buttons: each opens its dialog, the search anchor back at 0.
  void tbtnFindClick();
  void tbtnTikanClick();
  // Find Next in the Find dialog.
  void FindDialog1Find();
  // Find Next in the Replace dialog.
  void ReplaceDialog1Find();
  // Replace or Replace All in the Replace dialog, told apart by the option word.
  void ReplaceDialog1Replace();
  // "Replace": the selected match, then the next one is found.
  void tikanSuru();
  // "Replace all", after a confirmation: every match from the anchor on.
  void subeteTikan();
  // F3 (down) and Shift+F3: the text of the last Find Next of either dialog, with its match-case
  // and あいまい choices, searched again from the selection with the Find dialog's engine and message, without
  // a dialog. With no search yet the Find dialog opens instead.
  void findAgain(bool down);

  // Where the Replace dialog's next find begins, independent of the caret.
  int searchAnchor() const { return anchor_; }
  // Offset of the latest Replace-dialog match, -1 after a find that failed.
  int lastMatch() const { return lastMatch_; }

 private:
  // A dialog's texts, cut to the length a search text may have.
  std::string searchText(SearchDialog dialog) const;
  std::string replacementText() const;
  // Replaces a non-empty selection and keeps the anchor on the same text.
  void replaceSelection(const std::string& replacement);
  // Replace All's matches from the anchor on, as one bulk edit.
  void replaceRemaining(const std::string& replacement);
  // The Replace dialog's matches from the anchor: the next one, or all of them.
  std::optional<Span> findFromAnchor(const std::string& what) const;
  std::vector<Span> findAllFromAnchor(const std::string& what) const;
  // Searches from the selection with the program's engine, or fuzzily; tells the user when
  // nothing is found.
  void findFromSelection(const std::string& what, unsigned options, bool fuzzy);

  Editor& memo1_;
  MessageBoxes& ui_;
  SearchDialogs& dialogs_;
  SearchWindow& window_;
  int anchor_ = 0;
  int lastMatch_ = -1;
  // What F3 searches for: the latest Find Next of either dialog.
  std::string lastSearch_;
  unsigned lastMatchCase_ = 0;
  bool lastFuzzy_ = false;
};

}  // namespace kakipo
