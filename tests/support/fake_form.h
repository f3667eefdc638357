// Fakes of the main window and its phrase box for native tests of the logic.
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/form_window.h"
#include "editing/phrase_box_view.h"

namespace kakipo::test {

class FakeForm : public FormWindow {
 public:
  std::string caption() const override { return caption_; }
  void setCaption(const std::string& text) override { caption_ = text; }
  Rect bounds() const override { return bounds_; }
  void setBounds(const Rect& r) override { bounds_ = r; }
  void appendSystemMenuItem(int id, const std::string& text) override { systemMenu.emplace_back(id, text); }
  void setSystemMenuItem(int id, const std::string& text, bool checked, bool enabled) override {
    menuItems[id] = {text, checked, enabled};
  }
  void setTopmost(bool) override {}
  bool barVisible(Bar bar) const override {
    auto it = bars.find(bar);
    return it == bars.end() || it->second;
  }
  void setBarVisible(Bar bar, bool visible) override { bars[bar] = visible; }
  void acceptDroppedFiles() override { acceptsDrops = true; }
  void setOverwriteSaveHint(const std::string& text) override { overwriteHint = text; }
  bool wrapButtonDown() const override { return wrapDown; }
  void startAnotherInstance() override { ++instancesStarted; }
  int dpi() const override { return displayDpi; }

  std::string caption_ = "Form1";
  Rect bounds_;
  std::vector<std::pair<int, std::string>> systemMenu;
  struct MenuItem { std::string text; bool checked = false, enabled = true; };
  std::map<int, MenuItem> menuItems;  // as last set
  std::map<Bar, bool> bars;
  bool acceptsDrops = false;
  std::string overwriteHint = "上書き保存";
  bool wrapDown = false;
  int instancesStarted = 0;
  int displayDpi = 96;
};

class FakePhraseBox : public PhraseBoxView {
 public:
  std::vector<std::string> items() const override { return items_; }
  void setItems(const std::vector<std::string>& items) override { items_ = items; }
  std::string text() const override { return text_; }
  void setText(const std::string& text) override { text_ = text; }
  int itemIndex() const override { return index_; }
  void setItemIndex(int index) override { index_ = index; }

  std::vector<std::string> items_;
  std::string text_;
  int index_ = -1;
};

}  // namespace kakipo::test
