#include "search/find_replace.h"

#include <vector>

#include "core/text_codec.h"
#include "search/search.h"
#include "search/search_texts.h"

namespace kakipo {

void FindReplace::tbtnFindClick() {
  anchor_ = 0;
  dialogs_.show(SearchDialog::Find);
}

void FindReplace::tbtnTikanClick() {
  anchor_ = 0;
  dialogs_.show(SearchDialog::Replace);
}

std::string FindReplace::searchText(SearchDialog dialog) const {
  return cutToCp932Length(dialogs_.findText(dialog), dialogTextLimit);
}

std::string FindReplace::replacementText() const { return cutToCp932Length(dialogs_.replaceText(), dialogTextLimit); }

void FindReplace::findFromSelection(const std::string& what, unsigned options, bool fuzzy) {
  if (fuzzy ? fuzzyKensak(memo1_, what, (options & fr::down) != 0) : memoKensak(memo1_, what, options)) return;
  ui_.messageBox(what + "\r\n\r\n" + texts::findNotFound, texts::findCaption, mb::ok | mb::iconInformation);
}

void FindReplace::FindDialog1Find() {
  const std::string what = searchText(SearchDialog::Find);
  const unsigned options = dialogs_.options(SearchDialog::Find);
  const bool fuzzy = dialogs_.fuzzy(SearchDialog::Find);
  lastSearch_ = what;
  lastMatchCase_ = options & fr::matchCase;
  lastFuzzy_ = fuzzy;
  findFromSelection(what, options, fuzzy);
}

void FindReplace::findAgain(bool down) {
  // An empty search finds nothing, so it is no search to repeat.
  if (lastSearch_.empty()) {
    tbtnFindClick();
    return;
  }
  findFromSelection(lastSearch_, lastMatchCase_ | (down ? fr::down : 0), lastFuzzy_);
}

std::optional<Span> FindReplace::findFromAnchor(const std::string& what) const {
  // An empty search text would "match" everywhere without moving on; it finds nothing.
  if (what.empty()) return std::nullopt;
  if (dialogs_.fuzzy(SearchDialog::Replace)) {
    const std::string text = memo1_.text();
    if (anchor_ > static_cast<int>(text.size())) return std::nullopt;
    return FuzzyPattern(what).find(text, anchor_, static_cast<int>(text.size()), true);
  }
  const bool matchCase = (dialogs_.options(SearchDialog::Replace) & fr::matchCase) != 0;
  const int at = memo1_.find(what, anchor_, memo1_.textLength(), false, matchCase);
  if (at == -1) return std::nullopt;
  return Span{at, static_cast<int>(what.size())};
}

std::vector<Span> FindReplace::findAllFromAnchor(const std::string& what) const {
  if (dialogs_.fuzzy(SearchDialog::Replace)) return FuzzyPattern(what).findAll(memo1_.text(), anchor_);
  const bool matchCase = (dialogs_.options(SearchDialog::Replace) & fr::matchCase) != 0;
  std::vector<Span> found;
  for (const int at : memo1_.findAll(what, anchor_, matchCase)) found.push_back({at, static_cast<int>(what.size())});
  return found;
}

void FindReplace::ReplaceDialog1Find() {
  const std::string what = searchText(SearchDialog::Replace);
  lastSearch_ = what;
  lastMatchCase_ = dialogs_.options(SearchDialog::Replace) & fr::matchCase;
  lastFuzzy_ = dialogs_.fuzzy(SearchDialog::Replace);
  const auto found = findFromAnchor(what);
  lastMatch_ = found ? found->start : -1;
  if (!found) {
    ui_.messageBox(texts::replaceNotFound, texts::replaceCaption,
                   mb::ok | mb::iconInformation);
    return;
  }
  // The match's own length: a fuzzy one may differ from the search text's.
  const int size = found->length;
  window_.bringToFront();
  window_.activateEditor();
  memo1_.setSelStart(lastMatch_);
  memo1_.setSelLength(size);
  anchor_ = lastMatch_ + size;
}

void FindReplace::ReplaceDialog1Replace() {
  const unsigned options = dialogs_.options(SearchDialog::Replace);
  if (options & fr::replace)
    tikanSuru();
  else if (options & fr::replaceAll)
    subeteTikan();
}

void FindReplace::replaceSelection(const std::string& replacement) {
  const int start = memo1_.selStart();
  const int length = memo1_.selLength();
  if (length == 0) return;
  memo1_.replaceSel(replacement, true);  // one undo step, like Replace All's
  // The control may store line breaks differently from how they were given; the caret behind the
  // inserted text says how long it really is.
  const int inserted = memo1_.selStart() - start;
  if (start + length <= anchor_) {
    // Before the anchor (the last match ends exactly there): the anchor stays on the same text,
    // so the next find resumes right behind the replacement and never searches inside it.
    anchor_ += inserted - length;
  } else if (start < anchor_) {
    anchor_ = start + inserted;
  }
}

void FindReplace::tikanSuru() {
  replaceSelection(replacementText());
  ReplaceDialog1Find();
}

void FindReplace::replaceRemaining(const std::string& replacement) {
  const std::string what = searchText(SearchDialog::Replace);
  if (what.empty() || anchor_ > memo1_.textLength()) return;
  // Every find of the loop starts behind the previous replacement, so on the text as it is now
  // they are the successive matches from the anchor.
  const std::vector<Span> found = findAllFromAnchor(what);
  if (found.empty()) return;
  window_.bringToFront();
  window_.activateEditor();
  std::vector<TextEdit> edits;
  edits.reserve(found.size());
  for (const Span& match : found) edits.push_back({match.start, match.length, replacement});
  const int before = memo1_.textLength();
  memo1_.replaceRanges(edits);
  // Behind the last replacement: the last match's end, moved by what the edits added.
  const int end = found.back().start + found.back().length + memo1_.textLength() - before;
  memo1_.setSelStart(end);
  memo1_.setSelLength(0);
  anchor_ = end;
}

void FindReplace::subeteTikan() {
  if (ui_.messageBox(texts::replaceAllQuestion, texts::replaceAllCaption,
                     mb::yesNo | mb::iconWarning | mb::defButton2) != mb::idYes)
    return;
  const std::string replacement = replacementText();
  replaceSelection(replacement);
  // One bulk edit does what the loop of replace-then-find does; the find after it is the one that
  // fails and tells the user so. Should it find something after all, the loop carries on.
  for (;;) {
    replaceRemaining(replacement);
    ReplaceDialog1Find();
    if (lastMatch_ == -1) return;
    replaceSelection(replacement);
  }
}

}  // namespace kakipo
