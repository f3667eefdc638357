#include "win32/button_bar.h"

#include <array>
#include <vector>

#include "app/main_window_layout.h"
#include "app/main_window_texts.h"
#include "core/errors.h"
#include "search/search_texts.h"
#include "win32/control_ids.h"
#include "win32/controls/toolbar.h"
#include "win32/encoding.h"
#include "win32/pictures.h"
#include "win32/window.h"

namespace kakipo::win32 {

namespace {

struct ButtonInfo {
  const std::string& hint;
  BYTE style;
};

// In the buttons' order; the overwrite-save button's hint is only its first.
const std::array<ButtonInfo, buttonCount>& buttonTable() {
  static const std::array<ButtonInfo, buttonCount> table{{
      {texts::newButtonHint, BTNS_BUTTON},
      {texts::openButtonHint, BTNS_BUTTON},
      {texts::saveAsButtonHint, BTNS_BUTTON},
      {texts::overwriteButtonHint, BTNS_BUTTON},
      {texts::fontButtonHint, BTNS_BUTTON},
      {texts::nextOpenFontButtonHint, BTNS_BUTTON},
      {texts::wrapButtonHint, BTNS_CHECK},
      {texts::findButtonHint, BTNS_BUTTON},
      {texts::replaceButtonHint, BTNS_BUTTON},
      {texts::helpButtonHint, BTNS_BUTTON},
  }};
  return table;
}

// The tooltips as the bar shows them; they must outlive every request.
const std::array<std::wstring, buttonCount>& wideHints() {
  static const auto hints = [] {
    std::array<std::wstring, buttonCount> wide;
    for (int i = 0; i < buttonCount; ++i) wide[i] = widen(buttonTable()[i].hint);
    return wide;
  }();
  return hints;
}

}  // namespace

ButtonBar::ButtonBar(HWND parent, Scale px)
    : toolBar_(CreateWindowExW(0, TOOLBARCLASSNAMEW, widen(texts::toolBarCaption).c_str(),
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                                   CCS_NOPARENTALIGN | CCS_NORESIZE,
                               0, 0, px(mainlayout::barWidth), px(mainlayout::buttonSize), parent,
                               childId(ids::toolBar), GetModuleHandleW(nullptr), nullptr)),
      overwriteHint_(wideHints()[tbtnUwagaki]) {
  if (!toolBar_) throw Error(texts::controlNotCreated);
  std::vector<TBBUTTON> buttons(buttonCount);
  for (int i = 0; i < buttonCount; ++i) {
    buttons[i].iBitmap = i;
    buttons[i].idCommand = ids::firstButton + i;
    buttons[i].fsState = TBSTATE_ENABLED;
    buttons[i].fsStyle = buttonTable()[i].style;
  }
  tb::addButtons(toolBar_, buttons);
  scaleTo(px);
  if (!images_) throw Error(texts::controlNotCreated);
}

void ButtonBar::scaleTo(Scale px) {
  UniqueImageList images = makeToolbarImages(px(mainlayout::pictureSize));
  if (!images) return;  // the pictures the bar has stay rather than none
  tb::setImages(toolBar_, images.get(), px(mainlayout::pictureSize));
  images_ = std::move(images);  // the bar has let go of the old list
  tb::setButtonSize(toolBar_, px(mainlayout::buttonSize));
  tb::autosize(toolBar_);
}

std::optional<Button> ButtonBar::buttonOf(UINT_PTR id) {
  if (id < static_cast<UINT_PTR>(ids::firstButton) || id >= static_cast<UINT_PTR>(ids::firstButton + buttonCount))
    return std::nullopt;
  return static_cast<Button>(id - ids::firstButton);
}

bool ButtonBar::onTooltip(NMHDR* nm) const {
  if (nm->code != TTN_GETDISPINFOW) return false;
  const auto button = buttonOf(nm->idFrom);
  if (!button) return false;
  auto* info = reinterpret_cast<NMTTDISPINFOW*>(nm);  // what TTN_GETDISPINFOW carries
  const std::wstring& hint = *button == tbtnUwagaki ? overwriteHint_ : wideHints()[*button];
  info->lpszText = const_cast<wchar_t*>(hint.c_str());  // read only, as the bar uses it
  info->hinst = nullptr;
  return true;
}

bool ButtonBar::wrapButtonDown() const { return tb::checked(toolBar_, ids::firstButton + tbtnWrap); }

}  // namespace kakipo::win32
