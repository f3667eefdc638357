#include "win32/floating_bars.h"

#include <commctrl.h>

#include <algorithm>

#include "app/main_window_layout.h"
#include "app/main_window_texts.h"
#include "core/errors.h"
#include "win32/control_ids.h"
#include "win32/controls/combo_box.h"
#include "win32/controls/rebar.h"
#include "win32/controls/toolbar.h"
#include "win32/dpi.h"
#include "win32/encoding.h"

namespace kakipo::win32 {

namespace {

constexpr DWORD floatingStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD floatingExStyle = WS_EX_TOOLWINDOW;

Rect screenRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

}  // namespace

// A bar's own small window while it floats: closing it, or dropping it onto the top of the main
// window, puts the bar back; the bar's commands and notifications go on to the main window.
class CoolBar::FloatingBar : public Window<FloatingBar> {
 public:
  static WindowClass windowClass() { return {L"TKakipoFloatingBar"}; }
  FloatingBar(CoolBar& owner, Bar bar) : owner_(owner), bar_(bar) {}
  using Window::create;

 private:
  friend class Window<FloatingBar>;
  LRESULT handle(UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
      case WM_CLOSE:
        owner_.dockBar(bar_);  // this object is gone after it
        return 0;
      case WM_EXITSIZEMOVE:
        if (owner_.dropOnDock(hwnd())) owner_.dockBar(bar_);  // likewise
        return 0;
      case WM_COMMAND:
      case WM_NOTIFY:
        return SendMessageW(owner_.main_, msg, w, l);
      default:
        return defaultHandling(msg, w, l);
    }
  }

  CoolBar& owner_;
  Bar bar_;
};

CoolBar::CoolBar(HWND main, Scale px, std::function<void()> relayout)
    : main_(main),
      coolBar_(CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT |
                                   RBS_BANDBORDERS | RBS_TOOLTIPS | CCS_NODIVIDER | CCS_TOP,
                               0, 0, 0, 0, main, childId(ids::coolBar), GetModuleHandleW(nullptr), nullptr)),
      px_(px),
      relayout_(std::move(relayout)) {
  if (!coolBar_) throw Error(texts::controlNotCreated);
}

CoolBar::~CoolBar() = default;

void CoolBar::addBands(HWND toolBar, HWND phraseBox) {
  bands_ = {toolBar, phraseBox};
  insertBand(Bar::ToolBar, -1);
  insertBand(Bar::PhraseBox, -1);
}

REBARBANDINFOW CoolBar::bandInfo(Bar bar) const {
  const HWND child = bands_[index(bar)];
  // The closed combo box takes its edit field's height, not the dropped list's.
  const int minHeight = bar == Bar::ToolBar
                            ? std::max<int>(tb::maxSize(child).cy, px_(mainlayout::buttonSize))
                            : std::max(px_(mainlayout::comboFieldHeight),
                                       combo::fieldHeight(child) + px_(mainlayout::comboBandEdges));
  REBARBANDINFOW band{sizeof band};
  band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID;
  band.fStyle = RBBS_BREAK | RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE;
  band.hwndChild = child;
  band.cxMinChild = 0;
  band.cyMinChild = static_cast<UINT>(minHeight);
  band.cx = static_cast<UINT>(px_(mainlayout::barWidth));
  band.wID = static_cast<UINT>(index(bar));
  return band;
}

void CoolBar::insertBand(Bar bar, int at) { rb::insertBand(coolBar_, at, bandInfo(bar)); }

void CoolBar::scaleTo(Scale px) {
  px_ = px;
  for (const Bar bar : {Bar::ToolBar, Bar::PhraseBox}) {
    if (floating_[index(bar)]) {
      placeFloating(bar);
    } else {
      REBARBANDINFOW band = bandInfo(bar);
      band.fMask = RBBIM_CHILDSIZE;  // only the bar's height: the rest stays as the user left it
      rb::setBand(coolBar_, bandIndex(bar), band);
    }
  }
  relayout_();
}

bool CoolBar::isFloatingWindow(HWND window) const {
  for (const auto& f : floating_)
    if (f && f->hwnd() == window) return true;
  return false;
}

int CoolBar::bandIndex(Bar bar) const { return rb::indexOf(coolBar_, static_cast<UINT>(index(bar))); }

void CoolBar::setVisible(Bar bar, bool visible) {
  const int k = index(bar);
  shown_[k] = visible;
  if (const auto& f = floating_[k]) {
    ShowWindow(f->hwnd(), visible ? SW_SHOWNA : SW_HIDE);
  } else {
    rb::showBand(coolBar_, bandIndex(bar), visible);
    // With no band left the bar takes no room at all.
    const bool any = (shown_[0] && !floating_[0]) || (shown_[1] && !floating_[1]);
    ShowWindow(coolBar_, any ? SW_SHOW : SW_HIDE);
  }
}

void CoolBar::bandDropped(UINT bandId) {
  POINT p;
  GetCursorPos(&p);
  RECT r;
  GetWindowRect(coolBar_, &r);
  if (mainlayout::draggedOutOfBar(p.y, r.top, r.bottom, px_)) floatBar(bandId == 0 ? Bar::ToolBar : Bar::PhraseBox);
}

SIZE CoolBar::floatingClientSize(Bar bar) const {
  return bar == Bar::ToolBar
             ? SIZE{px_(mainlayout::floatingToolBarWidth), px_(mainlayout::floatingToolBarHeight)}
             : SIZE{px_(mainlayout::floatingPhraseBoxWidth), px_(mainlayout::floatingPhraseBoxHeight)};
}

void CoolBar::floatBar(Bar bar) {
  const int k = index(bar);
  if (floating_[k]) return;
  const bool tools = bar == Bar::ToolBar;
  const SIZE client = floatingClientSize(bar);
  const SIZE outer = outerSize(client.cx, client.cy, floatingStyle, floatingExStyle, px_.dpi());
  POINT p;
  GetCursorPos(&p);
  auto window = std::make_unique<FloatingBar>(*this, bar);
  if (!window->create(floatingExStyle, widen(tools ? texts::toolBarCaption : texts::phraseBoxCaption).c_str(),
                      floatingStyle | WS_VISIBLE, p.x + px_(mainlayout::floatingOffsetX),
                      p.y + px_(mainlayout::floatingOffsetY), outer.cx, outer.cy, main_))
    return;
  floating_[k] = std::move(window);
  rb::deleteBand(coolBar_, bandIndex(bar));
  SetParent(bands_[k], floating_[k]->hwnd());
  placeFloating(bar);
  ShowWindow(coolBar_, floating_[0] && floating_[1] ? SW_HIDE : SW_SHOW);
  relayout_();
}

// The floating window around its bar, and the bar inside it with a margin.
void CoolBar::placeFloating(Bar bar) {
  const int k = index(bar);
  const SIZE client = floatingClientSize(bar);
  const SIZE outer = outerSize(client.cx, client.cy, floatingStyle, floatingExStyle, px_.dpi());
  SetWindowPos(floating_[k]->hwnd(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const int margin = px_(mainlayout::floatingMargin);
  const int height = px_(bar == Bar::ToolBar ? mainlayout::buttonSize : mainlayout::comboDropHeight);
  const HWND child = bands_[k];
  SetWindowPos(child, nullptr, margin, margin, client.cx - 2 * margin, height, SWP_NOZORDER | SWP_SHOWWINDOW);
  if (bar == Bar::PhraseBox) MoveWindow(child, margin, margin, client.cx - 2 * margin, height, TRUE);
}

void CoolBar::dockBar(Bar bar) {
  const int k = index(bar);
  if (!floating_[k]) return;
  SetParent(bands_[k], coolBar_);
  // The button bar is always the first row.
  insertBand(bar, bar == Bar::ToolBar ? 0 : -1);
  floating_[k].reset();
  ShowWindow(coolBar_, SW_SHOW);
  if (!shown_[k]) rb::showBand(coolBar_, bandIndex(bar), false);
  relayout_();
}

bool CoolBar::dropOnDock(HWND floating) const {
  RECT mine, client;
  GetWindowRect(floating, &mine);
  GetClientRect(main_, &client);
  MapWindowPoints(main_, nullptr, reinterpret_cast<POINT*>(&client), 2);  // a RECT is two POINTs
  return mainlayout::droppedOnDock(screenRect(mine), screenRect(client), px_);
}

}  // namespace kakipo::win32
