// ComboBox1, the phrase box: an editable drop-down list of phrases in the cool bar, behind the
// PhraseBoxView port, with the double click and keys of its edit field sent to the logic.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "core/display_scale.h"
#include "editing/phrase_box_view.h"

namespace kakipo {
class MainForm;
}

namespace kakipo::win32 {

class PhraseCombo : public PhraseBoxView {
 public:
  // Builds the box as a child of parent (the cool bar) in font for a display at px, with its
  // tooltip in tooltips (owned by owner); throws Error when it cannot.
  PhraseCombo(HWND parent, HFONT font, Scale px, HWND tooltips, HWND owner);
  ~PhraseCombo() override;
  PhraseCombo(const PhraseCombo&) = delete;
  PhraseCombo& operator=(const PhraseCombo&) = delete;

  // The box goes with its parent; it is not owned here.
  HWND hwnd() const { return combo_; }
  // Where the edit field's events go, from when the logic exists.
  void connect(MainForm& logic) { logic_ = &logic; }
  // The font, made for a display at px, and the list's rows for that display.
  void scaleTo(HFONT font, Scale px);

  std::vector<std::string> items() const override;
  void setItems(const std::vector<std::string>& items) override;
  std::string text() const override;
  void setText(const std::string& text) override;
  int itemIndex() const override;
  void setItemIndex(int index) override;

 private:
  static LRESULT CALLBACK editProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR self);

  HWND combo_;
  HWND edit_ = nullptr;  // the box's own edit field
  MainForm* logic_ = nullptr;
};

}  // namespace kakipo::win32
