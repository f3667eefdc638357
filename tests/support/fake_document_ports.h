// Fakes of the Open and Save dialogs (answers from a queue, seeds recorded), the history menu and
// the window's foreground call, for native tests of the documents.
#pragma once
#include <array>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "documents/document_ports.h"

namespace kakipo::test {

struct DialogAnswer {
  DialogAnswer(bool ok = true, std::string name = {}, int filterIndex = 0, std::optional<TextEncoding> encoding = {})
      : ok(ok), name(std::move(name)), filterIndex(filterIndex), encoding(encoding) {}
  bool ok = true;
  std::string name;  // the full path the user chose
  int filterIndex = 0;  // 0: the user left the filter as it was seeded
  std::optional<TextEncoding> encoding;  // none: left as seeded (Save dialog)
};

struct DialogSeed {
  DialogSeed(std::string name = {}, int filterIndex = 0, TextEncoding encoding = TextEncoding::ShiftJis)
      : name(std::move(name)), filterIndex(filterIndex), encoding(encoding) {}
  std::string name;
  int filterIndex = 0;
  TextEncoding encoding = TextEncoding::ShiftJis;
};

class FakeFileDialogs : public FileDialogs {
 public:
  bool runOpenDialog(std::string& name, int& filterIndex) override {
    openSeeds.push_back({name, filterIndex});
    return answer(openAnswers, "Open", name, filterIndex);
  }
  bool runSaveDialog(std::string& name, int& filterIndex, TextEncoding& encoding) override {
    saveSeeds.push_back({name, filterIndex, encoding});
    if (!saveAnswers.empty() && saveAnswers.front().ok && saveAnswers.front().encoding)
      encoding = *saveAnswers.front().encoding;
    return answer(saveAnswers, "Save", name, filterIndex);
  }

  std::deque<DialogAnswer> openAnswers;
  std::deque<DialogAnswer> saveAnswers;
  std::vector<DialogSeed> openSeeds;
  std::vector<DialogSeed> saveSeeds;

 private:
  static bool answer(std::deque<DialogAnswer>& q, const char* which, std::string& name, int& filter) {
    if (q.empty()) throw std::logic_error(std::string("unexpected dialog: ") + which);
    const auto a = q.front();
    q.pop_front();
    if (!a.ok) return false;
    name = a.name;
    if (a.filterIndex) filter = a.filterIndex;
    return true;
  }
};

class FakeHistoryMenu : public HistoryMenu {
 public:
  void setHistoryCaption(int index, const std::string& text) override { captions.at(index) = text; }
  std::array<std::string, 5> captions{"nothing", "nothing", "nothing", "nothing", "nothing"};
};

class FakeFront : public MainWindowFront {
 public:
  void bringToForeground() override { ++count; }
  int count = 0;
};

}  // namespace kakipo::test
