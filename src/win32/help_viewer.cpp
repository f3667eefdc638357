#include "win32/help_viewer.h"

#include <commdlg.h>  // FR_ flags of the find message

#include <algorithm>
#include <exception>

#include "help/help_content.h"
#include "help/help_texts.h"
#include "win32/about_box.h"
#include "win32/encoding.h"
#include "win32/owned_window.h"

namespace kakipo {

namespace {

constexpr wchar_t className[] = L"TFormVajHel";
constexpr wchar_t splitterClass[] = L"TFormVajHelSplitter";
constexpr UINT treeMouseUp = WM_APP + 1;

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
std::function<void(const std::string&)> errorReport;

// Paints ImageList1's two pictures: a closed page for a node, the same page opened and marked
// for the selected one.
HIMAGELIST makeImageList() {
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  const COLORREF transparent = RGB(255, 0, 255);
  for (int i = 0; i < 2; ++i) {
    HBITMAP bmp = CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT all{0, 0, 16, 16};
    HBRUSH bg = CreateSolidBrush(transparent);
    FillRect(dc, &all, bg);
    DeleteObject(bg);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(64, 64, 96));
    HBRUSH paper = CreateSolidBrush(i == 0 ? RGB(255, 255, 255) : RGB(255, 244, 170));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, paper);
    Rectangle(dc, 3, 1, 14, 15);
    for (int y = 4; y <= 11; y += 3) {
      MoveToEx(dc, 5, y, nullptr);
      LineTo(dc, 12, y);
    }
    if (i == 1) {
      HBRUSH mark = CreateSolidBrush(RGB(208, 48, 48));
      RECT ribbon{1, 3, 5, 8};
      FillRect(dc, &ribbon, mark);
      DeleteObject(mark);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(paper);
    DeleteObject(pen);
    SelectObject(dc, old);
    ImageList_AddMasked(list, bmp, transparent);
    DeleteObject(bmp);
  }
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return list;
}

HWND makeChild(HWND parent, DWORD exStyle, const wchar_t* cls, DWORD style, int id) {
  return CreateWindowExW(exStyle, cls, nullptr, WS_CHILD | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void addTab(HWND tab, int index, const std::string& caption) {
  std::wstring text = win32::widen(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendMessageW(tab, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

// ---- RichEditPane ----

void RichEditPane::setText(const std::string& cp932) {
  const std::wstring wide = win32::widen(cp932);
  SETTEXTEX st{ST_DEFAULT, 1200};
  SendMessageW(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&st), reinterpret_cast<LPARAM>(wide.c_str()));
  text_ = cp932;
  // The control keeps a paragraph break as one position (CR); the text has CR LF there.
  GETTEXTLENGTHEX len{GTL_NUMCHARS | GTL_PRECISE, 1200};
  const auto n = static_cast<int>(SendMessageW(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0));
  std::wstring shown(n + 1, L'\0');
  GETTEXTEX gt{};
  gt.cb = static_cast<DWORD>(shown.size() * sizeof(wchar_t));
  gt.flags = GT_DEFAULT;
  gt.codepage = 1200;
  const auto got = static_cast<int>(SendMessageW(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt),
                                                 reinterpret_cast<LPARAM>(shown.data())));
  shown.resize(std::max(got, 0));
  // Setting the text leaves the caret at its end; a pane starts at the top.
  CHARRANGE top{0, 0};
  SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&top));
  SendMessageW(hwnd_, WM_VSCROLL, SB_TOP, 0);
  SendMessageW(hwnd_, WM_HSCROLL, SB_LEFT, 0);
  byteOfChar_.assign(1, 0);
  int bytes = 0;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const wchar_t c = shown[i];
    if (c == L'\r') {
      bytes += 2;
    } else {
      const bool pair = IS_HIGH_SURROGATE(c) && i + 1 < shown.size();
      const int units = pair ? 2 : 1;
      bytes += WideCharToMultiByte(932, 0, &shown[i], units, nullptr, 0, nullptr, nullptr);
      if (pair) {
        byteOfChar_.push_back(bytes);  // the low surrogate's position maps to the character's end
        ++i;
      }
    }
    byteOfChar_.push_back(bytes);
  }
}

int RichEditPane::byteOf(LONG ch) const {
  if (ch < 0) return 0;
  if (ch >= static_cast<LONG>(byteOfChar_.size())) return byteOfChar_.back();
  return byteOfChar_[ch];
}

LONG RichEditPane::charOf(int byte) const {
  // The character that starts at or contains this byte.
  const auto it = std::upper_bound(byteOfChar_.begin(), byteOfChar_.end(), byte);
  return static_cast<LONG>(std::max<std::ptrdiff_t>(0, (it - byteOfChar_.begin()) - 1));
}

CHARRANGE RichEditPane::selection() const {
  CHARRANGE r{};
  SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
  return r;
}

void RichEditPane::setSelStart(int offset) {
  CHARRANGE r{charOf(offset), charOf(offset)};
  SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
}

int RichEditPane::selStart() const { return byteOf(selection().cpMin); }

int RichEditPane::selLength() const {
  const CHARRANGE r = selection();
  return byteOf(r.cpMax) - byteOf(r.cpMin);
}

void RichEditPane::setSelLength(int length) {
  const CHARRANGE now = selection();
  CHARRANGE r{now.cpMin, charOf(byteOf(now.cpMin) + std::max(length, 0))};
  SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
  SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}

void RichEditPane::select(int start, int length) {
  setSelStart(start);
  CHARRANGE r{charOf(start), charOf(start + length)};
  SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
}

std::string RichEditPane::selText() const {
  const CHARRANGE r = selection();
  const int from = byteOf(r.cpMin);
  return text_.substr(from, byteOf(r.cpMax) - from);
}

int RichEditPane::find(const std::string& what, int start, int length, bool wholeWord, bool matchCase) const {
  if (what.empty() || start < 0 || start > textLength()) return -1;
  const std::wstring wide = win32::widen(what);
  FINDTEXTEXW ft{};
  ft.chrg.cpMin = charOf(start);
  ft.chrg.cpMax = charOf(static_cast<int>(std::min<long long>(static_cast<long long>(start) + length, textLength())));
  ft.lpstrText = wide.c_str();
  WPARAM flags = FR_DOWN;
  if (wholeWord) flags |= FR_WHOLEWORD;
  if (matchCase) flags |= FR_MATCHCASE;
  const auto found = static_cast<LONG>(SendMessageW(hwnd_, EM_FINDTEXTEXW, flags, reinterpret_cast<LPARAM>(&ft)));
  return found < 0 ? -1 : byteOf(found);
}

void RichEditPane::lineScroll(int lines) { SendMessageW(hwnd_, EM_LINESCROLL, 0, lines); }

void RichEditPane::scrollCaret() { SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0); }

int RichEditPane::firstVisibleLine() const {
  return static_cast<int>(SendMessageW(hwnd_, EM_GETFIRSTVISIBLELINE, 0, 0));
}

int RichEditPane::lineFromOffset(int offset) const {
  return static_cast<int>(SendMessageW(hwnd_, EM_EXLINEFROMCHAR, 0, charOf(offset)));
}

int RichEditPane::lineCount() const { return static_cast<int>(SendMessageW(hwnd_, EM_GETLINECOUNT, 0, 0)); }

// ---- HelpViewerWindow ----

HelpViewerWindow* HelpViewerWindow::instance() { return current; }

void HelpViewerWindow::setErrorReport(std::function<void(const std::string&)> report) {
  errorReport = std::move(report);
}

template <class F>
void HelpViewerWindow::dispatch(F&& handler) noexcept {
  try {
    handler();
  } catch (const std::exception& e) {
    if (errorReport) {
      errorReport(e.what());
    } else {
      MessageBoxW(hwnd_, win32::widen(e.what()).c_str(), win32::widen(texts::helpCaption).c_str(),
                  MB_OK | MB_ICONERROR);
    }
  } catch (...) {
  }
}

void HelpViewerWindow::registerClasses() {
  static bool registered = false;
  if (registered) return;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                           ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  LoadLibraryW(L"msftedit.dll");
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &HelpViewerWindow::windowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.hIcon = helpwin::programIcon(32);
  wc.hIconSm = helpwin::programIcon(16);
  wc.lpszClassName = className;
  RegisterClassExW(&wc);
  WNDCLASSEXW sc{};
  sc.cbSize = sizeof sc;
  sc.lpfnWndProc = &HelpViewerWindow::splitterProc;
  sc.hInstance = GetModuleHandleW(nullptr);
  sc.hCursor = LoadCursorW(nullptr, IDC_SIZEWE);
  sc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  sc.lpszClassName = splitterClass;
  RegisterClassExW(&sc);
  registered = true;
}

void HelpViewerWindow::show() {
  if (!current) {
    registerClasses();
    auto* viewer = new HelpViewerWindow;
    current = viewer;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - helplayout::initialWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - helplayout::initialHeight) / 2;
    // Owned by nobody: the viewer is a window of its own that the user may put behind the editor.
    HWND hwnd = CreateWindowExW(0, className, win32::widen(texts::helpCaption).c_str(),
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y, helplayout::initialWidth,
                                helplayout::initialHeight, nullptr, nullptr, GetModuleHandleW(nullptr), viewer);
    if (!hwnd) {
      if (current == viewer) {
        current = nullptr;
        delete viewer;
      }
      return;
    }
    viewer->create();
    ShowWindow(hwnd, SW_SHOW);
    SetFocus(viewer->treeView1_);
  } else {
    if (IsIconic(current->hwnd_)) ShowWindow(current->hwnd_, SW_RESTORE);
    ShowWindow(current->hwnd_, SW_SHOW);
  }
  SetForegroundWindow(current->hwnd_);
  BringWindowToTop(current->hwnd_);
}

void HelpViewerWindow::release() {
  if (current) DestroyWindow(current->hwnd_);
}

HelpViewerWindow::~HelpViewerWindow() {
  if (font_) DeleteObject(font_);
  if (imageList1_) ImageList_Destroy(imageList1_);
}

void HelpViewerWindow::create() {
  font_ = helpwin::makeFont(13);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

  pageControl1_ = makeChild(hwnd_, 0, WC_TABCONTROLW, WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, idPageControl1);
  pageControl2_ = makeChild(hwnd_, 0, WC_TABCONTROLW, WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, idPageControl2);
  addTab(pageControl1_, 0, texts::tabMokj);
  addTab(pageControl1_, 1, texts::tabKiwad);
  addTab(pageControl2_, 0, texts::tabHonbun);
  addTab(pageControl2_, 1, texts::tabSyosai);

  treeView1_ = makeChild(hwnd_, 0, WC_TREEVIEWW,
                         WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, idTreeView1);
  listBox1_ = makeChild(hwnd_, 0, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                        idListBox1);
  const DWORD paneStyle = WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL |
                          ES_AUTOVSCROLL | ES_NOHIDESEL | ES_DISABLENOSCROLL;
  HWND edit1 = makeChild(hwnd_, 0, MSFTEDIT_CLASS, WS_VISIBLE | paneStyle, idRichEdit1);
  HWND edit2 = makeChild(hwnd_, 0, MSFTEDIT_CLASS, paneStyle, idRichEdit2);
  // Plain-text mode is accepted only by an untouched control, before even its font is set.
  for (HWND e : {edit1, edit2}) SendMessageW(e, EM_SETTEXTMODE, TM_PLAINTEXT, 0);
  splitter1_ = CreateWindowExW(0, splitterClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(idSplitter1)),
                               GetModuleHandleW(nullptr), this);
  statusBar1_ = makeChild(hwnd_, 0, STATUSCLASSNAMEW, WS_VISIBLE | SBARS_SIZEGRIP, idStatusBar1);
  // The page controls stay below the controls that fill their pages.
  SetWindowPos(pageControl1_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(pageControl2_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  for (HWND c : {pageControl1_, pageControl2_, treeView1_, listBox1_, edit1, edit2, statusBar1_})
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

  imageList1_ = makeImageList();
  SendMessageW(treeView1_, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(imageList1_));
  SendMessageW(treeView1_, TVM_SETINDENT, 19, 0);

  SendMessageW(listBox1_, LB_SETITEMHEIGHT, 0, 13);
  for (const char* k : help::keywords())
    SendMessageW(listBox1_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::widen(k).c_str()));

  for (HWND e : {edit1, edit2}) {
    SendMessageW(e, EM_EXLIMITTEXT, 0, 1000000);
    SendMessageW(e, EM_SETTARGETDEVICE, 0, 1);  // no word wrap
  }
  richEdit1_ = std::make_unique<RichEditPane>(edit1);
  richEdit2_ = std::make_unique<RichEditPane>(edit2);
  richEdit1_->setText(help::bodyText());
  richEdit2_->setText(help::detailText());

  SendMessageW(statusBar1_, SB_SIMPLE, TRUE, 0);
  SendMessageW(statusBar1_, SB_SETMINHEIGHT, helplayout::statusBarHeight - 2 * GetSystemMetrics(SM_CYBORDER), 0);

  for (HWND c : {treeView1_, listBox1_, edit1, edit2})
    SetWindowSubclass(c, &HelpViewerWindow::childProc, 1, reinterpret_cast<DWORD_PTR>(this));

  vajhel_ = std::make_unique<VajHel>(*richEdit1_, *richEdit2_, *this);
  // A new viewer starts on the contents and the body, scrolled to the top, with the body's status.
  showLeftPage(0);
  showRightPage(HelpPage::Body);
  vajhel_->TabHonbunShow();
  layout();
  // Filled once it has its size: a tree filled while it has none scrolls its items sideways.
  fillTree();
}

void HelpViewerWindow::fillTree() {
  HTREEITEM parents[3] = {TVI_ROOT, TVI_ROOT, TVI_ROOT};
  std::vector<HTREEITEM> withChildren;
  for (const auto& e : help::contentsTree()) {
    std::wstring text = win32::widen(e.text);
    TVINSERTSTRUCTW ins{};
    ins.hParent = e.level == 0 ? TVI_ROOT : parents[e.level - 1];
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    ins.item.pszText = text.data();
    ins.item.iImage = e.image;
    ins.item.iSelectedImage = e.selectedImage;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(treeView1_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
    parents[e.level] = item;
    if (e.level > 0) withChildren.push_back(ins.hParent);
  }
  // The whole contents are shown open, as a table of contents is read.
  for (HTREEITEM item : withChildren) SendMessageW(treeView1_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  const auto first = reinterpret_cast<HTREEITEM>(SendMessageW(treeView1_, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  SendMessageW(treeView1_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(first));
  SendMessageW(treeView1_, WM_HSCROLL, SB_LEFT, 0);
}

std::optional<std::string> HelpViewerWindow::selectedNode() const {
  const auto item = reinterpret_cast<HTREEITEM>(SendMessageW(treeView1_, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (!item) return std::nullopt;
  wchar_t buffer[256] = {};
  TVITEMW tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = buffer;
  tv.cchTextMax = 256;
  if (!SendMessageW(treeView1_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv))) return std::nullopt;
  return win32::narrow(buffer);
}

std::optional<std::string> HelpViewerWindow::selectedKeyword() const {
  const auto index = static_cast<int>(SendMessageW(listBox1_, LB_GETCURSEL, 0, 0));
  if (index == LB_ERR) return std::nullopt;
  const auto len = static_cast<int>(SendMessageW(listBox1_, LB_GETTEXTLEN, index, 0));
  std::wstring text(len + 1, L'\0');
  SendMessageW(listBox1_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(len);
  return win32::narrow(text);
}

HelpPage HelpViewerWindow::activePage() const {
  return SendMessageW(pageControl2_, TCM_GETCURSEL, 0, 0) == 1 ? HelpPage::Detail : HelpPage::Body;
}

void HelpViewerWindow::setActivePage(HelpPage page) { showRightPage(page); }

void HelpViewerWindow::setStatusText(const std::string& text) {
  status_ = text;
  SendMessageW(statusBar1_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(win32::widen(text).c_str()));
}

void HelpViewerWindow::showLeftPage(int index) {
  SendMessageW(pageControl1_, TCM_SETCURSEL, index, 0);
  ShowWindow(treeView1_, index == 0 ? SW_SHOW : SW_HIDE);
  ShowWindow(listBox1_, index == 1 ? SW_SHOW : SW_HIDE);
}

void HelpViewerWindow::showRightPage(HelpPage page) {
  SendMessageW(pageControl2_, TCM_SETCURSEL, page == HelpPage::Detail ? 1 : 0, 0);
  ShowWindow(richEdit1_->hwnd(), page == HelpPage::Body ? SW_SHOW : SW_HIDE);
  ShowWindow(richEdit2_->hwnd(), page == HelpPage::Detail ? SW_SHOW : SW_HIDE);
}

void HelpViewerWindow::layout() {
  RECT client;
  GetClientRect(hwnd_, &client);
  SendMessageW(statusBar1_, WM_SIZE, 0, 0);
  RECT sb;
  GetWindowRect(statusBar1_, &sb);
  const int height = std::max(0, static_cast<int>(client.bottom) - static_cast<int>(sb.bottom - sb.top));
  const int width = client.right;
  const int left = leftWidth_;
  const int rightX = left + helplayout::splitterWidth;
  const int rightW = std::max(0, width - rightX);
  HDWP dwp = BeginDeferWindowPos(8);
  auto place = [&](HWND h, int x, int y, int w, int hgt) {
    dwp = DeferWindowPos(dwp, h, nullptr, x, y, std::max(w, 0), std::max(hgt, 0), SWP_NOZORDER | SWP_NOACTIVATE);
  };
  place(pageControl1_, 0, 0, left, height);
  place(splitter1_, left, 0, helplayout::splitterWidth, height);
  place(pageControl2_, rightX, 0, rightW, height);
  RECT page1{0, 0, left, height};
  SendMessageW(pageControl1_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page1));
  RECT page2{rightX, 0, rightX + rightW, height};
  SendMessageW(pageControl2_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page2));
  for (HWND h : {treeView1_, listBox1_}) place(h, page1.left, page1.top, page1.right - page1.left, page1.bottom - page1.top);
  for (HWND h : {richEdit1_->hwnd(), richEdit2_->hwnd()})
    place(h, page2.left, page2.top, page2.right - page2.left, page2.bottom - page2.top);
  EndDeferWindowPos(dwp);
}

LRESULT CALLBACK HelpViewerWindow::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return win32::routeToOwnedWindow(hwnd, msg, wp, lp, &HelpViewerWindow::hwnd_, &HelpViewerWindow::handle, [](HelpViewerWindow* self) {
    if (current == self) current = nullptr;
    delete self;
  });
}

LRESULT HelpViewerWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      info->ptMinTrackSize = {helplayout::minTrackWidth, helplayout::minTrackHeight};
      return 0;
    }
    case WM_SIZE:
      if (!statusBar1_ || wp == SIZE_MINIMIZED) break;
      dispatch([&] {  // FormResize
        RECT outer;
        GetWindowRect(hwnd_, &outer);
        leftWidth_ = FormResize(outer.right - outer.left, leftWidth_, leftWidth_);
        layout();
      });
      return 0;
    case WM_NOTIFY: {
      const auto* hdr = reinterpret_cast<const NMHDR*>(lp);
      if (hdr->hwndFrom == pageControl1_ && hdr->code == TCN_SELCHANGE) {
        showLeftPage(static_cast<int>(SendMessageW(pageControl1_, TCM_GETCURSEL, 0, 0)));
      } else if (hdr->hwndFrom == pageControl2_ && hdr->code == TCN_SELCHANGE) {
        const HelpPage page = activePage();
        showRightPage(page);
        dispatch([&] { page == HelpPage::Body ? vajhel_->TabHonbunShow() : vajhel_->TabSyosaiShow(); });
      } else if (hdr->hwndFrom == treeView1_ && (hdr->code == NM_CLICK || hdr->code == NM_RCLICK)) {
        // The tree changes its selection only after this notification; look at it afterwards.
        PostMessageW(hwnd_, treeMouseUp, 0, 0);
      }
      break;
    }
    case treeMouseUp:
      dispatch([&] { vajhel_->TreeView1MouseUp(selectedNode()); });
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd_);  // FormCloseQuery: the viewer goes and its reference is cleared
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK HelpViewerWindow::childProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
  return reinterpret_cast<HelpViewerWindow*>(self)->childMessage(hwnd, msg, wp, lp);
}

LRESULT HelpViewerWindow::childMessage(HWND child, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(child, &HelpViewerWindow::childProc, 1);
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

LRESULT CALLBACK HelpViewerWindow::splitterProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  HelpViewerWindow* self = current;
  if (!self || self->splitter1_ != hwnd) return DefWindowProcW(hwnd, msg, wp, lp);
  switch (msg) {
    case WM_LBUTTONDOWN:
      SetCapture(hwnd);
      self->dragOffset_ = static_cast<short>(LOWORD(lp));
      return 0;
    case WM_MOUSEMOVE:
      if (GetCapture() == hwnd) {
        POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        MapWindowPoints(hwnd, self->hwnd_, &p, 1);
        RECT client;
        GetClientRect(self->hwnd_, &client);
        const int most = client.right - helplayout::splitterMinSize - helplayout::splitterWidth;
        self->leftWidth_ = std::clamp(static_cast<int>(p.x) - self->dragOffset_, 0, std::max(most, 0));
        self->layout();
      }
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == hwnd) {
        ReleaseCapture();
        self->dispatch([&] {
          self->leftWidth_ = Splitter1Moved(self->leftWidth_);
          self->layout();
        });
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

int Win32HelpWindows::showAboutBox() { return AboutBoxWindow::show(owner_); }

}  // namespace kakipo
