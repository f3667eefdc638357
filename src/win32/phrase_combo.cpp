#include "win32/phrase_combo.h"

#include <commctrl.h>

#include "app/main_form.h"
#include "app/main_window_layout.h"
#include "app/main_window_texts.h"
#include "core/errors.h"
#include "win32/control_ids.h"
#include "win32/controls/combo_box.h"
#include "win32/controls/tooltip.h"
#include "win32/encoding.h"
#include "win32/ui_resources.h"
#include "win32/window.h"

namespace kakipo::win32 {

namespace {
constexpr UINT_PTR editWatchId = 1;
}  // namespace

PhraseCombo::PhraseCombo(HWND parent, HFONT font, Scale px, HWND tooltips, HWND owner)
    : combo_(CreateWindowExW(0, WC_COMBOBOXW, nullptr,
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 0,
                             px(mainlayout::barWidth), px(mainlayout::comboDropHeight), parent,
                             childId(ids::comboBox), GetModuleHandleW(nullptr), nullptr)) {
  if (!combo_) throw Error(texts::controlNotCreated);
  scaleTo(font, px);
  combo::setMinVisible(combo_, mainlayout::comboRows);
  edit_ = combo::edit(combo_);
  if (edit_) SetWindowSubclass(edit_, editProc, editWatchId, reinterpret_cast<DWORD_PTR>(this));
  const std::wstring hint = widen(texts::phraseBoxHint);
  for (HWND target : {combo_, edit_})
    if (target) tt::addTool(tooltips, owner, target, hint);
}

PhraseCombo::~PhraseCombo() {
  // The box may outlive this object (it goes with its parent): its edit field must not call back.
  if (edit_) RemoveWindowSubclass(edit_, editProc, editWatchId);
}

void PhraseCombo::scaleTo(HFONT font, Scale px) {
  setFont(combo_, font);
  combo::setItemHeight(combo_, px(mainlayout::comboRowHeight));
}

LRESULT CALLBACK PhraseCombo::editProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<PhraseCombo*>(data);  // set in the constructor
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, editProc, editWatchId);
    self->edit_ = nullptr;
  } else if (MainForm* f = self->logic_) {
    if (msg == WM_LBUTTONDBLCLK) {
      const LRESULT r = DefSubclassProc(hwnd, msg, w, l);
      f->dispatch([&] { f->phrases.ComboBox1DblClick(); });
      return r;
    }
    if (msg == WM_CHAR && w < 0x80) {
      bool taken = false;
      f->dispatch([&] { taken = f->phrases.ComboBox1KeyPress(static_cast<char>(w)); });
      if (taken) return 0;
    }
  }
  return DefSubclassProc(hwnd, msg, w, l);
}

std::vector<std::string> PhraseCombo::items() const {
  std::vector<std::string> out;
  for (const auto& item : combo::items(combo_)) out.push_back(narrow(item));
  return out;
}

void PhraseCombo::setItems(const std::vector<std::string>& list) {
  combo::clear(combo_);
  for (const auto& s : list) combo::add(combo_, widen(s));
}

std::string PhraseCombo::text() const { return narrow(windowText(combo_)); }

void PhraseCombo::setText(const std::string& text) { SetWindowTextW(combo_, widen(text).c_str()); }

int PhraseCombo::itemIndex() const { return combo::selected(combo_); }

void PhraseCombo::setItemIndex(int index) { combo::select(combo_, index); }

}  // namespace kakipo::win32
