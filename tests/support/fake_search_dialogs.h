// Fakes of the Find and Replace dialogs and of the main window's part in a found match, for native
// tests of the commands: the test sets what the user typed and ticked, and reads what was asked.
#pragma once
#include <string>
#include <vector>

#include "search/search_dialogs.h"

namespace kakipo::test {

class FakeSearchDialogs : public SearchDialogs {
 public:
  void show(SearchDialog dialog) override { shown.push_back(dialog); }
  std::string findText(SearchDialog dialog) const override {
    return dialog == SearchDialog::Find ? findWhat : replaceFindWhat;
  }
  std::string replaceText() const override { return replaceWith; }
  unsigned options(SearchDialog dialog) const override {
    return dialog == SearchDialog::Find ? findOptions : replaceOptions;
  }
  bool fuzzy(SearchDialog dialog) const override { return dialog == SearchDialog::Find ? findFuzzy : replaceFuzzy; }

  std::vector<SearchDialog> shown;
  std::string findWhat;
  std::string replaceFindWhat;
  std::string replaceWith;
  unsigned findOptions = dialogInitialOptions;
  unsigned replaceOptions = dialogInitialOptions;
  bool findFuzzy = false;
  bool replaceFuzzy = false;
};

class FakeSearchWindow : public SearchWindow {
 public:
  void bringToFront() override { ++broughtToFront; }
  void activateEditor() override { ++editorActivated; }

  int broughtToFront = 0;
  int editorActivated = 0;
};

}  // namespace kakipo::test
