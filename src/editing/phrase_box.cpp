#include "editing/phrase_box.h"

#include <string>
#include <vector>

namespace kakipo {

namespace {
constexpr char enterKey = '\r';
// Stands in for an empty phrase, which is never stored.
const std::string emptyPhrase = "nothing";
}  // namespace

void PhraseBox::comboSyokika() {
  const auto items = box_.items();
  box_.setText(items.empty() ? std::string() : items.front());
  box_.setItemIndex(0);
  state_.phraseIndex = 0;
}

void PhraseBox::ComboBox1DblClick() {
  memo1_.setSelLength(0);
  // Undoable like typing; a step that is not would wipe the whole undo history.
  memo1_.replaceSel(box_.text(), true);
  memo1_.setFocus();
}

bool PhraseBox::ComboBox1KeyPress(char key) {
  if (key != enterKey) return false;
  if (box_.text().empty()) box_.setText(emptyPhrase);
  const std::string phrase = box_.text();
  auto items = box_.items();
  // The index always names an entry when the list is whole; should it not, the newest entry
  // gives way, so the list never grows beyond its ten.
  int index = state_.phraseIndex;
  if (index < 0 || index >= static_cast<int>(items.size())) index = static_cast<int>(items.size()) - 1;
  if (index >= 0) items.erase(items.begin() + index);
  items.push_back(phrase);
  box_.setItems(items);
  state_.phraseIndex = static_cast<int>(items.size()) - 1;
  box_.setItemIndex(state_.phraseIndex);
  box_.setText(items[state_.phraseIndex]);
  memo1_.setFocus();
  return true;
}

void PhraseBox::ComboBox1Click() {
  // A change of selection that leaves nothing chosen names no phrase; the index stays.
  const int chosen = box_.itemIndex();
  if (chosen >= 0) state_.phraseIndex = chosen;
  memo1_.setFocus();
}

}  // namespace kakipo
