#include "win32/help_viewer.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <exception>

#include "help/help_content.h"
#include "help/help_texts.h"
#include "win32/about_box.h"
#include "win32/controls/list_box.h"
#include "win32/controls/rich_edit.h"
#include "win32/controls/status_bar.h"
#include "win32/controls/tab.h"
#include "win32/controls/tree_view.h"
#include "win32/dpi.h"
#include "win32/encoding.h"
#include "win32/pictures.h"
#include "win32/ui_resources.h"

namespace kakipo::win32 {

namespace {

constexpr UINT treeMouseUp = WM_APP + 1;
constexpr UINT_PTR childWatchId = 1;

constexpr int paneTextLimit = 1000000;  // units; the help texts are far shorter
constexpr int nodeTextChars = 256;      // the longest contents entry is far shorter

enum ChildId : int {
  idPageControl1 = 101,
  idPageControl2,
  idTreeView1,
  idListBox1,
  idRichEdit1,
  idRichEdit2,
  idSplitter1,
  idStatusBar1,
};

HelpViewerWindow* current = nullptr;

HWND makeChild(HWND parent, const wchar_t* cls, DWORD style, int id) {
  return CreateWindowExW(0, cls, nullptr, WS_CHILD | style, 0, 0, 0, 0, parent, childId(id), GetModuleHandleW(nullptr),
                         nullptr);
}

}  // namespace

HelpViewerWindow* HelpViewerWindow::instance() { return current; }

template <class F>
void HelpViewerWindow::dispatch(F&& handler) noexcept {
  try {
    handler();
  } catch (const std::exception& e) {
    if (report_)
      report_(e.what());
    else
      MessageBoxW(hwnd(), widen(e.what()).c_str(), widen(texts::helpCaption).c_str(), MB_OK | MB_ICONERROR);
  } catch (...) {
  }
}

void HelpViewerWindow::show(ErrorReport report) {
  if (!current) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                             ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    LoadLibraryW(L"msftedit.dll");
    // Owned by its window from here: a window that got as far as WM_NCCREATE releases it at
    // WM_NCDESTROY, whatever happens after.
    auto* viewer = new HelpViewerWindow;
    current = viewer;
    // Centred on the screen, so sized for the screen's display.
    const Scale px(systemDpi());
    const int width = px(helplayout::initialWidth);
    const int height = px(helplayout::initialHeight);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    // Owned by nobody: the viewer is a window of its own that the user may put behind the editor.
    if (!viewer->create(0, widen(texts::helpCaption).c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y, width,
                        height, nullptr)) {
      if (current == viewer) {
        current = nullptr;
        delete viewer;
      }
      return;
    }
    viewer->createControls();
    ShowWindow(viewer->hwnd(), SW_SHOW);
    SetFocus(viewer->treeView1_);
  } else {
    if (IsIconic(current->hwnd())) ShowWindow(current->hwnd(), SW_RESTORE);
    ShowWindow(current->hwnd(), SW_SHOW);
  }
  current->report_ = std::move(report);
  SetForegroundWindow(current->hwnd());
  BringWindowToTop(current->hwnd());
}

void HelpViewerWindow::release() {
  if (current) DestroyWindow(current->hwnd());
}

void HelpViewerWindow::finalMessage() {
  if (current == this) current = nullptr;
  delete this;
}

void HelpViewerWindow::createControls() {
  px_ = Scale(dpiOf(hwnd()));
  leftWidth_ = px_(helplayout::leftPaneWidth);

  pageControl1_ = makeChild(hwnd(), WC_TABCONTROLW, WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, idPageControl1);
  pageControl2_ = makeChild(hwnd(), WC_TABCONTROLW, WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, idPageControl2);
  tab::insert(pageControl1_, 0, widen(texts::tabMokj));
  tab::insert(pageControl1_, 1, widen(texts::tabKiwad));
  tab::insert(pageControl2_, 0, widen(texts::tabHonbun));
  tab::insert(pageControl2_, 1, widen(texts::tabSyosai));

  treeView1_ = makeChild(hwnd(), WC_TREEVIEWW,
                         WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, idTreeView1);
  listBox1_ = makeChild(hwnd(), WC_LISTBOXW, WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, idListBox1);
  const DWORD paneStyle = WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL |
                          ES_AUTOVSCROLL | ES_NOHIDESEL | ES_DISABLENOSCROLL;
  const HWND edit1 = makeChild(hwnd(), MSFTEDIT_CLASS, WS_VISIBLE | paneStyle, idRichEdit1);
  const HWND edit2 = makeChild(hwnd(), MSFTEDIT_CLASS, paneStyle, idRichEdit2);
  // Plain-text mode is accepted only by an untouched control, before even its font is set.
  for (HWND e : {edit1, edit2}) re::setTextMode(e, TM_PLAINTEXT);
  splitter1_.create(hwnd(), idSplitter1, *this);
  statusBar1_ = makeChild(hwnd(), STATUSCLASSNAMEW, WS_VISIBLE | SBARS_SIZEGRIP, idStatusBar1);
  // The page controls stay below the controls that fill their pages.
  SetWindowPos(pageControl1_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(pageControl2_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  richEdit1_ = std::make_unique<RichEditPane>(edit1);
  richEdit2_ = std::make_unique<RichEditPane>(edit2);
  applyScale();

  for (const char* k : help::keywords()) lb::add(listBox1_, widen(k));

  for (HWND e : {edit1, edit2}) {
    re::setLimit(e, paneTextLimit);
    re::setWrap(e, false);
  }
  richEdit1_->setText(help::bodyText());
  richEdit2_->setText(help::detailText());

  sb::setSimple(statusBar1_);

  for (HWND c : {treeView1_, listBox1_, edit1, edit2})
    SetWindowSubclass(c, &HelpViewerWindow::childProc, childWatchId, reinterpret_cast<DWORD_PTR>(this));

  vajhel_ = std::make_unique<VajHel>(*richEdit1_, *richEdit2_, *this);
  // A new viewer starts on the contents and the body, scrolled to the top, with the body's status.
  showLeftPage(0);
  showRightPage(HelpPage::Body);
  vajhel_->TabHonbunShow();
  layout();
  // Filled once it has its size: a tree filled while it has none scrolls its items sideways.
  fillTree();
}

void HelpViewerWindow::applyScale() {
  // The controls change to the new font and pictures before the old ones go.
  UniqueFont oldFont = std::move(font_);
  UniqueImageList oldImages = std::move(imageList1_);
  font_ = uiFont(px_(helplayout::fontPixels));
  setFont(hwnd(), font_.get());
  for (HWND c : {pageControl1_, pageControl2_, treeView1_, listBox1_, richEdit1_->hwnd(), richEdit2_->hwnd(),
                 statusBar1_})
    setFont(c, font_.get());
  imageList1_ = makeHelpImages(px_(helplayout::pictureSize));
  tv::setImages(treeView1_, imageList1_.get());
  tv::setIndent(treeView1_, px_(helplayout::treeIndent));
  lb::setItemHeight(listBox1_, px_(helplayout::keywordRowHeight));
  sb::setMinHeight(statusBar1_, px_(helplayout::statusBarHeight) - 2 * GetSystemMetrics(SM_CYBORDER));
}

void HelpViewerWindow::fillTree() {
  HTREEITEM parents[3] = {TVI_ROOT, TVI_ROOT, TVI_ROOT};
  std::vector<HTREEITEM> withChildren;
  for (const auto& e : help::contentsTree()) {
    std::wstring text = widen(e.text);
    TVINSERTSTRUCTW ins{};
    ins.hParent = e.level == 0 ? TVI_ROOT : parents[e.level - 1];
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    ins.item.pszText = text.data();
    ins.item.iImage = e.image;
    ins.item.iSelectedImage = e.selectedImage;
    parents[e.level] = tv::insert(treeView1_, ins);
    if (e.level > 0) withChildren.push_back(ins.hParent);
  }
  // The whole contents are shown open, as a table of contents is read.
  for (HTREEITEM item : withChildren) tv::expand(treeView1_, item);
  tv::ensureVisible(treeView1_, tv::root(treeView1_));
  tv::scrollToLeft(treeView1_);
}

std::optional<std::string> HelpViewerWindow::selectedNode() const {
  const HTREEITEM item = tv::selected(treeView1_);
  if (!item) return std::nullopt;
  const auto text = tv::text(treeView1_, item, nodeTextChars);
  if (!text) return std::nullopt;
  return narrow(*text);
}

std::optional<std::string> HelpViewerWindow::selectedKeyword() const {
  const auto text = lb::selectedText(listBox1_);
  if (!text) return std::nullopt;
  return narrow(*text);
}

HelpPage HelpViewerWindow::activePage() const {
  return tab::selected(pageControl2_) == 1 ? HelpPage::Detail : HelpPage::Body;
}

void HelpViewerWindow::setActivePage(HelpPage page) { showRightPage(page); }

void HelpViewerWindow::setStatusText(const std::string& text) {
  status_ = text;
  sb::setText(statusBar1_, SB_SIMPLEID, widen(text));
}

void HelpViewerWindow::showLeftPage(int index) {
  tab::select(pageControl1_, index);
  ShowWindow(treeView1_, index == 0 ? SW_SHOW : SW_HIDE);
  ShowWindow(listBox1_, index == 1 ? SW_SHOW : SW_HIDE);
}

void HelpViewerWindow::showRightPage(HelpPage page) {
  tab::select(pageControl2_, page == HelpPage::Detail ? 1 : 0);
  ShowWindow(richEdit1_->hwnd(), page == HelpPage::Body ? SW_SHOW : SW_HIDE);
  ShowWindow(richEdit2_->hwnd(), page == HelpPage::Detail ? SW_SHOW : SW_HIDE);
}

void HelpViewerWindow::layout() {
  RECT client;
  GetClientRect(hwnd(), &client);
  sb::fit(statusBar1_);
  RECT sb;
  GetWindowRect(statusBar1_, &sb);
  const int height = std::max(0, static_cast<int>(client.bottom) - static_cast<int>(sb.bottom - sb.top));
  const int width = client.right;
  const int left = leftWidth_;
  const int rightX = left + px_(helplayout::splitterWidth);
  const int rightW = std::max(0, width - rightX);
  HDWP dwp = BeginDeferWindowPos(8);
  auto place = [&](HWND h, int x, int y, int w, int hgt) {
    dwp = DeferWindowPos(dwp, h, nullptr, x, y, std::max(w, 0), std::max(hgt, 0), SWP_NOZORDER | SWP_NOACTIVATE);
  };
  auto fill = [&](HWND h, const RECT& r) { place(h, r.left, r.top, r.right - r.left, r.bottom - r.top); };
  place(pageControl1_, 0, 0, left, height);
  place(splitter1_.hwnd(), left, 0, px_(helplayout::splitterWidth), height);
  place(pageControl2_, rightX, 0, rightW, height);
  const RECT page1 = tab::pageArea(pageControl1_, RECT{0, 0, left, height});
  const RECT page2 = tab::pageArea(pageControl2_, RECT{rightX, 0, rightX + rightW, height});
  for (HWND h : {treeView1_, listBox1_}) fill(h, page1);
  for (HWND h : {richEdit1_->hwnd(), richEdit2_->hwnd()}) fill(h, page2);
  EndDeferWindowPos(dwp);
}

void HelpViewerWindow::splitterDragged(int left) {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int most = client.right - px_(helplayout::splitterMinSize) - px_(helplayout::splitterWidth);
  leftWidth_ = std::clamp(left, 0, std::max(most, 0));
  layout();
}

void HelpViewerWindow::splitterReleased() {
  dispatch([&] {
    leftWidth_ = Splitter1Moved(leftWidth_, px_);
    layout();
  });
}

LRESULT HelpViewerWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      info->ptMinTrackSize = {px_(helplayout::minTrackWidth), px_(helplayout::minTrackHeight)};
      return 0;
    }
    case WM_DPICHANGED: {
      if (!statusBar1_) break;
      const Scale was = px_;
      px_ = Scale(HIWORD(wp));
      // The panes keep their share of the window.
      leftWidth_ = static_cast<int>(static_cast<long long>(leftWidth_) * px_.dpi() / was.dpi());
      applyScale();
      const auto* r = reinterpret_cast<const RECT*>(lp);
      SetWindowPos(hwnd(), nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_SIZE:
      if (!statusBar1_ || wp == SIZE_MINIMIZED) break;
      dispatch([&] {  // FormResize
        RECT outer;
        GetWindowRect(hwnd(), &outer);
        leftWidth_ = FormResize(outer.right - outer.left, leftWidth_, leftWidth_, px_);
        layout();
      });
      return 0;
    case WM_NOTIFY: {
      const auto* hdr = reinterpret_cast<const NMHDR*>(lp);
      if (hdr->hwndFrom == pageControl1_ && hdr->code == TCN_SELCHANGE) {
        showLeftPage(tab::selected(pageControl1_));
      } else if (hdr->hwndFrom == pageControl2_ && hdr->code == TCN_SELCHANGE) {
        const HelpPage page = activePage();
        showRightPage(page);
        dispatch([&] { page == HelpPage::Body ? vajhel_->TabHonbunShow() : vajhel_->TabSyosaiShow(); });
      } else if (hdr->hwndFrom == treeView1_ && (hdr->code == NM_CLICK || hdr->code == NM_RCLICK)) {
        // The tree changes its selection only after this notification; look at it afterwards.
        PostMessageW(hwnd(), treeMouseUp, 0, 0);
      }
      break;
    }
    case treeMouseUp:
      dispatch([&] { vajhel_->TreeView1MouseUp(selectedNode()); });
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd());  // FormCloseQuery: the viewer goes and its reference is cleared
      return 0;
    default:
      break;
  }
  return defaultHandling(msg, wp, lp);
}

LRESULT CALLBACK HelpViewerWindow::childProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
  return reinterpret_cast<HelpViewerWindow*>(self)->childMessage(hwnd, msg, wp, lp);  // set in createControls
}

LRESULT HelpViewerWindow::childMessage(HWND child, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(child, &HelpViewerWindow::childProc, childWatchId);
    return DefSubclassProc(child, msg, wp, lp);
  }
  // Handlers run after the control has done its own work, so the selection is the new one.
  const LRESULT result = DefSubclassProc(child, msg, wp, lp);
  std::optional<MouseButton> button;
  if (msg == WM_LBUTTONUP) button = MouseButton::Left;
  if (msg == WM_RBUTTONUP) button = MouseButton::Right;
  if (msg == WM_MBUTTONUP) button = MouseButton::Middle;
  if (child == treeView1_) {
    if (msg == WM_KEYUP) dispatch([&] { vajhel_->TreeView1KeyUp(selectedNode()); });
    // Left and right clicks arrive as NM_CLICK and NM_RCLICK: the tree keeps their button-up.
    if (msg == WM_MBUTTONUP) dispatch([&] { vajhel_->TreeView1MouseUp(selectedNode()); });
  } else if (child == listBox1_) {
    if (msg == WM_KEYUP) dispatch([&] { vajhel_->ListBox1KeyUp(selectedKeyword()); });
    if (button) dispatch([&] { vajhel_->ListBox1MouseUp(selectedKeyword()); });
  } else if (button && child == richEdit1_->hwnd()) {
    dispatch([&] { vajhel_->RichEdit1MouseUp(*button); });
  } else if (button && child == richEdit2_->hwnd()) {
    dispatch([&] { vajhel_->RichEdit2MouseUp(*button); });
  }
  return result;
}

Win32HelpWindows::~Win32HelpWindows() {
  if (opened_) HelpViewerWindow::release();
}

int Win32HelpWindows::showAboutBox() { return AboutBoxWindow::show(owner_); }

void Win32HelpWindows::showHelpViewer() {
  HelpViewerWindow::show(report_);
  opened_ = true;
}

}  // namespace kakipo::win32
