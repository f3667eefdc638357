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

void FindReplace::findFromSelection(const std::string& what, unsigned options) {
  if (memoKensak(memo1_, what, options)) return;
  ui_.messageBox(what + "\r\n\r\n" + texts::findNotFound, texts::findCaption, mb::ok | mb::iconInformation);
}

void FindReplace::FindDialog1Find() {
  const std::string what = searchText(SearchDialog::Find);
  const unsigned options = dialogs_.options(SearchDialog::Find);
  lastSearch_ = what;
  lastMatchCase_ = options & fr::matchCase;
  findFromSelection(what, options);
}

void FindReplace::findAgain(bool down) {
  // An empty search finds nothing, so it is no search to repeat.
  if (lastSearch_.empty()) {
    tbtnFindClick();
    return;
  }
  findFromSelection(lastSearch_, lastMatchCase_ | (down ? fr::down : 0));
}

void FindReplace::ReplaceDialog1Find() {
  const std::string what = searchText(SearchDialog::Replace);
  const bool matchCase = (dialogs_.options(SearchDialog::Replace) & fr::matchCase) != 0;
  lastSearch_ = what;
  lastMatchCase_ = matchCase ? fr::matchCase : 0;
  // An empty search text would "match" everywhere without moving on; it finds nothing.
  lastMatch_ = what.empty() ? -1 : memo1_.find(what, anchor_, memo1_.textLength(), false, matchCase);
  if (lastMatch_ == -1) {
    ui_.messageBox(texts::replaceNotFound, texts::replaceCaption,
                   mb::ok | mb::iconInformation);
    return;
  }
  const int size = static_cast<int>(what.size());
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
  const bool matchCase = (dialogs_.options(SearchDialog::Replace) & fr::matchCase) != 0;
  // Every find of the loop starts behind the previous replacement, so on the text as it is now
  // they are the successive matches from the anchor.
  const std::vector<int> found = memo1_.findAll(what, anchor_, matchCase);
  if (found.empty()) return;
  window_.bringToFront();
  window_.activateEditor();
  const int size = static_cast<int>(what.size());
  const TextEdit edit{0, size, replacement};
  std::vector<TextEdit> edits;
  edits.reserve(found.size());
  for (const int at : found) {
    edits.push_back(edit);
    edits.back().start = at;
  }
  const int before = memo1_.textLength();
  memo1_.replaceRanges(edits);
  const int count = static_cast<int>(found.size());
  const int inserted = size + (memo1_.textLength() - before) / count;
  const int end = found.back() + (count - 1) * (inserted - size) + inserted;
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
