#include "search/find_replace.h"

#include <vector>

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

void FindReplace::findFromSelection(const UnicodeText& what, unsigned options) {
  const int size = static_cast<int>(what.cp932.size());
  if (what.fitsCp932() ? memoKensak(memo1_, what.cp932, options) : memoKensakUtf8(memo1_, *what.utf8, size, options))
    return;
  ui_.messageBoxQuoting(what, "\r\n\r\n" + texts::findNotFound, texts::findCaption, mb::ok | mb::iconInformation);
}

void FindReplace::FindDialog1Find() {
  const UnicodeText what = dialogs_.findText(SearchDialog::Find);
  const unsigned options = dialogs_.options(SearchDialog::Find);
  lastSearch_ = what;
  lastMatchCase_ = options & fr::matchCase;
  findFromSelection(what, options);
}

void FindReplace::findAgain(bool down) {
  // An empty search finds nothing, so it is no search to repeat.
  if (lastSearch_.cp932.empty()) {
    tbtnFindClick();
    return;
  }
  findFromSelection(lastSearch_, lastMatchCase_ | (down ? fr::down : 0));
}

void FindReplace::ReplaceDialog1Find() {
  const UnicodeText what = dialogs_.findText(SearchDialog::Replace);
  const bool matchCase = (dialogs_.options(SearchDialog::Replace) & fr::matchCase) != 0;
  lastSearch_ = what;
  lastMatchCase_ = matchCase ? fr::matchCase : 0;
  // An empty search text would "match" everywhere without moving on; it finds nothing.
  if (what.cp932.empty())
    lastMatch_ = -1;
  else if (what.fitsCp932())
    lastMatch_ = memo1_.find(what.cp932, anchor_, memo1_.textLength(), false, matchCase);
  else
    lastMatch_ = memo1_.findUtf8(*what.utf8, anchor_, memo1_.textLength(), matchCase, true);
  if (lastMatch_ == -1) {
    ui_.messageBox(texts::replaceNotFound, texts::replaceCaption,
                   mb::ok | mb::iconInformation);
    return;
  }
  const int size = static_cast<int>(what.cp932.size());
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

void FindReplace::replaceSelection(const UnicodeText& replacement) {
  const int start = memo1_.selStart();
  const int length = memo1_.selLength();
  if (length == 0) return;
  kakipo::replaceSelection(memo1_, replacement);
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
  replaceSelection(dialogs_.replaceText());
  ReplaceDialog1Find();
}

void FindReplace::replaceRemaining(const UnicodeText& replacement) {
  const UnicodeText what = dialogs_.findText(SearchDialog::Replace);
  if (what.cp932.empty() || anchor_ > memo1_.textLength()) return;
  const bool matchCase = (dialogs_.options(SearchDialog::Replace) & fr::matchCase) != 0;
  // Every find of the loop starts behind the previous replacement, so on the text as it is now
  // they are the successive matches from the anchor.
  const std::vector<int> found = what.fitsCp932() ? memo1_.findAll(what.cp932, anchor_, matchCase)
                                                  : memo1_.findAllUtf8(*what.utf8, anchor_, matchCase);
  if (found.empty()) return;
  window_.bringToFront();
  window_.activateEditor();
  const int size = static_cast<int>(what.cp932.size());
  const TextEdit edit{0, size, replacement.fitsCp932() ? replacement.cp932 : *replacement.utf8, !replacement.fitsCp932()};
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
  const UnicodeText replacement = dialogs_.replaceText();
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
