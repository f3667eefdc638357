#include "win32/main_window.h"

#include <richedit.h>
#include <shellapi.h>
#include <windowsx.h>

#include <stdexcept>

#include "win32/encoding.h"
#include "win32/pictures.h"

namespace kakipo::win32 {

namespace {

constexpr int barWidth = 268;
constexpr int statusHeight = 18;
constexpr int textLimit = 10000000;

struct ButtonInfo {
  const wchar_t* hint;
  BYTE style;
};

const ButtonInfo buttons[10] = {
    {L"新規ファイル作成（右クリック：もう一つカキポ起動）", BTNS_BUTTON},
    {L"ファイルを開く（右クリック：履歴）", BTNS_BUTTON},
    {L"名前をつけて保存", BTNS_BUTTON},
    {L"上書き保存", BTNS_BUTTON},
    {L"フォント変更（右クリック：背景色変更）", BTNS_BUTTON},
    {L"次回ファイルを開く時のフォント", BTNS_BUTTON},
    {L"ワードラップON/OFF", BTNS_CHECK},
    {L"文字列検索", BTNS_BUTTON},
    {L"文字列置換", BTNS_BUTTON},
    {L"バージョン＆ヘルプ", BTNS_BUTTON},
};

struct PopupItem {
  const wchar_t* caption;  // nullptr: separator
  int picture;
};

const PopupItem popupItems[] = {
    {L"元に戻す(&U)", 0}, {nullptr, -1},          {L"コピー(&C)", 1},
    {L"貼り付け(&P)", 2}, {L"切り取り(&T)", 3},     {L"削除(&D)", 4},
    {L"全選択(&A)", 5},   {nullptr, -1},          {L"行頭に > を挿入(&N)", 6},
    {L"行頭から > を削除(&J)", 7},
};

enum PopupCommand { popUndo, popCopy, popPaste, popCut, popDel, popAllSel, popInyofIn, popInyofOut };

const wchar_t* const floatClass = L"TKakipoFloatingBar";
const wchar_t* const toolBarCaption = L"カキポ ボタンバー";
const wchar_t* const phraseBoxCaption = L"カキポ 定型文ボックス";

MainWindow* fromHwnd(HWND hwnd) { return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

void registerClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_WIN95_CLASSES | ICC_TAB_CLASSES |
                                           ICC_TREEVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_ANIMATE_CLASS};
  InitCommonControlsEx(&icc);
  LoadLibraryW(L"msftedit.dll");
}

}  // namespace

MainWindow::MainWindow(bool secondInstance) : secondInstance_(secondInstance) {
  registerClasses();
  static ATOM atom = [] {
    WNDCLASSEXW wc{sizeof wc};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    wc.hIcon = makeProgramIcon(32);
    wc.hIconSm = makeProgramIcon(16);
    ATOM a = RegisterClassExW(&wc);
    WNDCLASSEXW fc{sizeof fc};
    fc.lpfnWndProc = floatProc;
    fc.hInstance = GetModuleHandleW(nullptr);
    fc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    fc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    fc.lpszClassName = floatClass;
    RegisterClassExW(&fc);
    return a;
  }();
  if (!atom) throw std::runtime_error("window class");
  hwnd_ = CreateWindowExW(0, className, L"Form1", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, defaultFormBounds.left,
                          defaultFormBounds.top, defaultFormBounds.width, defaultFormBounds.height, nullptr,
                          nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("main window");
}

MainWindow::~MainWindow() {
  logic_.reset();
  memo1_.reset();
  memoUra_.reset();
  for (HWND f : floating_)
    if (f) DestroyWindow(f);
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (toolImages_) ImageList_Destroy(toolImages_);
  if (popupMenu1_) DestroyMenu(popupMenu1_);
  if (popupMenu2_) DestroyMenu(popupMenu2_);
  for (HBITMAP b : menuBitmaps_)
    if (b) DeleteObject(b);
  if (formFont_) DeleteObject(formFont_);
}

LRESULT CALLBACK MainWindow::windowProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (MainWindow* self = fromHwnd(hwnd)) return self->handle(msg, w, l);
  return DefWindowProcW(hwnd, msg, w, l);
}

void MainWindow::createControls() {
  formFont_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, DEFAULT_QUALITY,
                          DEFAULT_PITCH, L"ＭＳ Ｐゴシック");
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, hwnd_,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  createCoolBar();

  memo1_ = std::make_unique<RichEditor>(hwnd_, ids::memo1, textLimit);
  Font memoFont;
  memoFont.setHeight(-15);
  memo1_->setDefaultFormat(memoFont);
  memoUra_ = std::make_unique<RichEditor>(hwnd_, ids::memoUra, textLimit, false);
  memoUra_->replaceSel("memoUra");

  statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_TOOLTIPS, 0, 0, 0, 0,
                               hwnd_, reinterpret_cast<HMENU>(ids::statusBar), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(formFont_), FALSE);
  SendMessageW(statusBar_, SB_SETMINHEIGHT, statusHeight, 0);
  int parts[2] = {60, 260};
  SendMessageW(statusBar_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));

  TOOLINFOW ti{sizeof ti};
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = hwnd_;
  ti.uId = reinterpret_cast<UINT_PTR>(statusBar_);
  ti.lpszText = const_cast<wchar_t*>(L"ダブルクリックで日付時刻をカーソル位置へ挿入");
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));

  createMenus();
  SetTimer(hwnd_, ids::timerGyoRet, 200, nullptr);
}

void MainWindow::createCoolBar() {
  coolBar_ = CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, nullptr,
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT |
                                 RBS_BANDBORDERS | RBS_TOOLTIPS | CCS_NODIVIDER | CCS_TOP,
                             0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(ids::coolBar), GetModuleHandleW(nullptr), nullptr);

  toolBar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, toolBarCaption,
                             WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                                 CCS_NOPARENTALIGN | CCS_NORESIZE,
                             0, 0, barWidth, 24, coolBar_, reinterpret_cast<HMENU>(ids::toolBar),
                             GetModuleHandleW(nullptr), nullptr);
  SendMessageW(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  toolImages_ = makeToolbarImages();
  SendMessageW(toolBar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 16));
  SendMessageW(toolBar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(toolImages_));
  TBBUTTON tb[10] = {};
  for (int i = 0; i < 10; ++i) {
    tb[i].iBitmap = i;
    tb[i].idCommand = ids::firstButton + i;
    tb[i].fsState = TBSTATE_ENABLED;
    tb[i].fsStyle = buttons[i].style;
  }
  SendMessageW(toolBar_, TB_ADDBUTTONSW, 10, reinterpret_cast<LPARAM>(tb));
  SendMessageW(toolBar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(24, 24));
  SendMessageW(toolBar_, TB_AUTOSIZE, 0, 0);

  comboBox_ = CreateWindowExW(0, WC_COMBOBOXW, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                              0, 0, barWidth, 20 + 10 * 12 + 4, coolBar_, reinterpret_cast<HMENU>(ids::comboBox),
                              GetModuleHandleW(nullptr), nullptr);
  SendMessageW(comboBox_, WM_SETFONT, reinterpret_cast<WPARAM>(formFont_), FALSE);
  SendMessageW(comboBox_, CB_SETITEMHEIGHT, 0, 12);
  SendMessageW(comboBox_, CB_SETMINVISIBLE, 10, 0);
  COMBOBOXINFO cbi{sizeof cbi};
  GetComboBoxInfo(comboBox_, &cbi);
  if (cbi.hwndItem) SetWindowSubclass(cbi.hwndItem, comboEditProc, 1, reinterpret_cast<DWORD_PTR>(this));
  for (HWND target : {comboBox_, cbi.hwndItem}) {
    if (!target) continue;
    TOOLINFOW ti{sizeof ti};
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = hwnd_;
    ti.uId = reinterpret_cast<UINT_PTR>(target);
    ti.lpszText = const_cast<wchar_t*>(L"ダブルクリックで文字列をカーソル位置へ挿入");
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  }

  SIZE tbSize{};
  SendMessageW(toolBar_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&tbSize));
  for (int i = 0; i < 2; ++i) {
    REBARBANDINFOW band{sizeof band};
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID;
    band.fStyle = RBBS_BREAK | RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE;
    band.hwndChild = i == 0 ? toolBar_ : comboBox_;
    band.cxMinChild = 0;
    // The closed combo box takes its edit field's height, not the dropped list's.
    band.cyMinChild = i == 0 ? std::max<LONG>(tbSize.cy, 24)
                             : std::max<LONG>(20, static_cast<LONG>(SendMessageW(
                                                      comboBox_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0)) + 6);
    band.cx = barWidth;
    band.wID = static_cast<UINT>(i);
    SendMessageW(coolBar_, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
  }
}

void MainWindow::createMenus() {
  popupMenu1_ = CreatePopupMenu();
  int command = 0;
  for (const auto& item : popupItems) {
    if (!item.caption) {
      AppendMenuW(popupMenu1_, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    AppendMenuW(popupMenu1_, MF_STRING, ids::firstPopup + command, item.caption);
    menuBitmaps_[command] = makeMenuBitmap(item.picture);
    MENUITEMINFOW mi{sizeof mi};
    mi.fMask = MIIM_BITMAP;
    mi.hbmpItem = menuBitmaps_[command];
    SetMenuItemInfoW(popupMenu1_, ids::firstPopup + command, FALSE, &mi);
    ++command;
  }
  popupMenu2_ = CreatePopupMenu();
  AppendMenuW(popupMenu2_, MF_STRING, ids::firstHistory - 1, L"履歴ファイルから開く");
  AppendMenuW(popupMenu2_, MF_SEPARATOR, 0, nullptr);
  for (int i = 0; i < historyCount; ++i) AppendMenuW(popupMenu2_, MF_STRING, ids::firstHistory + i, L"nothing");
}

void MainWindow::show(const std::string& commandLine, int showCommand) {
  logic_->dispatch([&] { logic_->FormShow(commandLine); });
  ShowWindow(hwnd_, showCommand);
  UpdateWindow(hwnd_);
  memo1_->setFocus();
}

bool MainWindow::preTranslate(MSG& msg) { return searchDialogs_ && searchDialogs_->isDialogMessage(msg); }

void MainWindow::layout() {
  if (!memo1_) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  SendMessageW(coolBar_, WM_SIZE, 0, 0);
  int top = 0;
  if (IsWindowVisible(coolBar_)) {
    RECT r;
    GetWindowRect(coolBar_, &r);
    top = r.bottom - r.top;
  }
  int bottom = client.bottom;
  if (barShown_[static_cast<int>(Bar::StatusBar)]) {
    SendMessageW(statusBar_, WM_SIZE, 0, 0);
    RECT r;
    GetWindowRect(statusBar_, &r);
    bottom -= r.bottom - r.top;
  }
  MoveWindow(memo1_->hwnd(), 0, top, client.right, std::max(0, bottom - top), TRUE);
}

LRESULT MainWindow::handle(UINT msg, WPARAM w, LPARAM l) {
  if (msg == FindReplaceDialogs::findMessage() && searchDialogs_) {
    const SearchNotification n = searchDialogs_->onFindMessage(l);
    auto& f = *logic_;
    if (n.request == SearchRequest::FindNext && n.dialog == SearchDialog::Find)
      f.dispatch([&] { f.findReplace.FindDialog1Find(); });
    else if (n.request == SearchRequest::FindNext)
      f.dispatch([&] { f.findReplace.ReplaceDialog1Find(); });
    else if (n.request == SearchRequest::Replace || n.request == SearchRequest::ReplaceAll)
      f.dispatch([&] { f.findReplace.ReplaceDialog1Replace(); });
    return 0;
  }
  switch (msg) {
    case WM_CREATE:
      try {
        createControls();
        files_ = std::make_unique<Win32Files>();
        fileDialogs_ = std::make_unique<Win32FileDialogs>(hwnd_);
        fontDialogs_ = std::make_unique<Win32FontColourDialogs>(hwnd_);
        progress_ = std::make_unique<ProgressDialogWindow>(hwnd_);
        profile_ = std::make_unique<PrivateProfile>();
        clipboard_ = std::make_unique<Win32Clipboard>(hwnd_);
        clock_ = std::make_unique<SystemClock>();
        searchDialogs_ = std::make_unique<FindReplaceDialogs>(hwnd_);
        helpWindows_ = std::make_unique<Win32HelpWindows>(hwnd_);
        HDC screen = GetDC(nullptr);
        const int ppi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        logic_ = std::make_unique<MainForm>(MainFormPorts{*memo1_, *this, *this, *this, *files_, *fileDialogs_,
                                                          *fontDialogs_, *progress_, *this, *this, *this,
                                                          *profile_, *clipboard_, *this, *clock_,
                                                          *searchDialogs_, *this, *helpWindows_},
                                            StartupFacts{secondInstance_, ppi, settingsPath()});
        HelpViewerWindow::setErrorReport([this](const std::string& m) { logic_->showError(m); });
      } catch (...) {
        return -1;
      }
      return 0;
    case WM_SIZE:
      layout();
      return 0;
    case WM_COMMAND:
      onCommand(LOWORD(w), HIWORD(w));
      return 0;
    case WM_NOTIFY:
      return onNotify(reinterpret_cast<NMHDR*>(l));
    case WM_CONTEXTMENU:
      if (memo1_ && reinterpret_cast<HWND>(w) == memo1_->hwnd()) {
        showContextMenu(l);
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      logic_->dispatch([&] { logic_->sysMenuOnOff(static_cast<unsigned>(w & 0xFFFF)); });
      break;  // every system command also gets the default handling
    case WM_TIMER:
      if (w == ids::timerGyoRet) logic_->dispatch([&] { logic_->statusBar.timerGyoRetTimer(); });
      return 0;
    case WM_SETTINGCHANGE:
      if (l && lstrcmpiW(reinterpret_cast<const wchar_t*>(l), L"intl") == 0)
        logic_->dispatch([&] { logic_->statusBar.regionalSettingsChanged(); });
      break;
    case WM_DROPFILES:
      onDropFiles(reinterpret_cast<HDROP>(w));
      return 0;
    case WM_SETFOCUS:
      if (memo1_) memo1_->setFocus();
      return 0;
    case WM_CLOSE: {
      bool mayClose = false;
      logic_->dispatch([&] { mayClose = logic_->FormCloseQuery(); });
      if (mayClose) DestroyWindow(hwnd_);
      return 0;
    }
    case WM_QUERYENDSESSION: {
      bool mayClose = false;
      logic_->dispatch([&] { mayClose = logic_->FormCloseQuery(); });
      return mayClose;
    }
    case WM_ENDSESSION:
      if (w) DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd_, ids::timerGyoRet);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd_, msg, w, l);
}

void MainWindow::onCommand(int id, int code) {
  if (id >= ids::firstButton && id < ids::firstButton + 10) {
    auto& f = *logic_;
    switch (id - ids::firstButton) {
      case tbtnNew: f.dispatch([&] { f.commands.tbtnNewClick(); }); break;
      case tbtnOpen: f.dispatch([&] { f.commands.tbtnOpenClick(); }); break;
      case tbtnSave: f.dispatch([&] { f.commands.tbtnSaveClick(); }); break;
      case tbtnUwagaki: f.dispatch([&] { f.commands.tbtnUwagakiClick(); }); break;
      case tbtnFont: f.dispatch([&] { f.fonts.tbtnFontClick(); }); break;
      case tbtnJikFon: f.dispatch([&] { f.fonts.tbtnJikFonClick(); }); break;
      case tbtnWrap: f.dispatch([&] { f.appearance.tbtnWrapClick(); }); break;
      case tbtnFind: f.dispatch([&] { f.findReplace.tbtnFindClick(); }); break;
      case tbtnTikan: f.dispatch([&] { f.findReplace.tbtnTikanClick(); }); break;
      case tbtnVajHel: f.dispatch([&] { f.help.tbtnVajHelClick(); }); break;
    }
    return;
  }
  if (id >= ids::firstPopup && id <= ids::firstPopup + popInyofOut) {
    auto& f = *logic_;
    switch (id - ids::firstPopup) {
      case popUndo: f.dispatch([&] { f.clipboard.popUndoClick(); }); break;
      case popCopy: f.dispatch([&] { f.clipboard.popCopyClick(); }); break;
      case popPaste: f.dispatch([&] { f.clipboard.popPasteClick(); }); break;
      case popCut: f.dispatch([&] { f.clipboard.popCutClick(); }); break;
      case popDel: f.dispatch([&] { f.clipboard.popDelClick(); }); break;
      case popAllSel: f.dispatch([&] { f.clipboard.popAllSelClick(); }); break;
      case popInyofIn: f.dispatch([&] { f.quotes.popInyofInClick(); }); break;
      case popInyofOut: f.dispatch([&] { f.quotes.popInyofOutClick(); }); break;
    }
    return;
  }
  if (id >= ids::firstHistory && id < ids::firstHistory + historyCount) {
    const int slot = id - ids::firstHistory;
    logic_->dispatch([&] { logic_->commands.popRirekClick(slot); });
    return;
  }
  if (id == ids::comboBox && code == CBN_SELCHANGE) {
    logic_->dispatch([&] { logic_->phrases.ComboBox1Click(); });
  }
}

LRESULT MainWindow::onNotify(NMHDR* nm) {
  if (nm->code == TTN_GETDISPINFOW && nm->idFrom >= static_cast<UINT_PTR>(ids::firstButton) &&
      nm->idFrom < static_cast<UINT_PTR>(ids::firstButton + 10)) {
    auto* di = reinterpret_cast<NMTTDISPINFOW*>(nm);
    const int button = static_cast<int>(nm->idFrom) - ids::firstButton;
    di->lpszText = const_cast<wchar_t*>(button == tbtnUwagaki ? overwriteHint_.c_str() : buttons[button].hint);
    di->hinst = nullptr;
    return 0;
  }
  if (nm->hwndFrom == toolBar_ && nm->code == NM_RCLICK) {
    const auto* mouse = reinterpret_cast<NMMOUSE*>(nm);
    const auto item = static_cast<int>(mouse->dwItemSpec) - ids::firstButton;
    if (item >= 0 && item < 10) onButtonRightClick(item);
    return TRUE;
  }
  if (memo1_ && nm->hwndFrom == memo1_->hwnd() && nm->code == EN_MSGFILTER) {
    const auto* filter = reinterpret_cast<MSGFILTER*>(nm);
    if (filter->msg != WM_KEYDOWN) return 0;
    unsigned shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= modifier::shift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= modifier::ctrl;
    if (GetKeyState(VK_MENU) < 0) shift |= modifier::alt;
    bool consumed = false;
    logic_->dispatch([&] { consumed = logic_->clipboard.memo1KeyDown(static_cast<int>(filter->wParam), shift); });
    return consumed;
  }
  if (nm->hwndFrom == statusBar_ && nm->code == NM_DBLCLK) {
    logic_->dispatch([&] { logic_->statusBar.StatusBar1DblClick(); });
    return 0;
  }
  if (nm->hwndFrom == coolBar_ && nm->code == RBN_HEIGHTCHANGE) {
    layout();
    return 0;
  }
  if (nm->hwndFrom == coolBar_ && nm->code == RBN_ENDDRAG) {
    // A band dragged well below the bar leaves it and floats.
    POINT p;
    GetCursorPos(&p);
    RECT r;
    GetWindowRect(coolBar_, &r);
    if (p.y > r.bottom + 16 || p.y < r.top - 16) {
      const auto* band = reinterpret_cast<NMREBAR*>(nm);
      floatBar(band->wID == 0 ? Bar::ToolBar : Bar::PhraseBox);
    }
    return 0;
  }
  return 0;
}

void MainWindow::onButtonRightClick(int button) {
  switch (button) {
    case tbtnNew: logic_->dispatch([&] { logic_->tbtnNewMouseDown(MouseButton::Right); }); break;
    case tbtnOpen: showHistoryMenu(); break;
    case tbtnFont: logic_->dispatch([&] { logic_->fonts.tbtnFontMouseDown(MouseButton::Right); }); break;
    default: break;
  }
}

void MainWindow::showContextMenu(LPARAM at) {
  POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (p.x == -1 && p.y == -1) {
    GetCaretPos(&p);
    ClientToScreen(memo1_->hwnd(), &p);
  }
  TrackPopupMenu(popupMenu1_, TPM_LEFTALIGN | TPM_RIGHTBUTTON, p.x, p.y, 0, hwnd_, nullptr);
}

void MainWindow::showHistoryMenu() {
  logic_->dispatch([&] { logic_->commands.PopupMenu2Popup(); });
  POINT p;
  GetCursorPos(&p);
  TrackPopupMenu(popupMenu2_, TPM_LEFTALIGN | TPM_RIGHTBUTTON, p.x, p.y, 0, hwnd_, nullptr);
}

void MainWindow::onDropFiles(HDROP drop) {
  // Names are read whole, however long; the drop handle is released before any question is asked.
  std::vector<std::string> names;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT len = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring name(len + 1, L'\0');
    DragQueryFileW(drop, i, name.data(), len + 1);
    name.resize(len);
    names.push_back(narrow(name));
  }
  DragFinish(drop);
  if (!names.empty()) logic_->dispatch([&] { logic_->commands.dropYomikomi(names); });
}

std::string MainWindow::settingsPath() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return settingsPathFor(narrow(path));
}

void MainWindow::setHistoryCaption(int index, const std::string& text) {
  std::wstring caption;
  for (wchar_t c : widen(text)) {
    caption += c;
    if (c == L'&') caption += L'&';  // a path's "&" is shown, not taken as an accelerator
  }
  ModifyMenuW(popupMenu2_, ids::firstHistory + index, MF_BYCOMMAND | MF_STRING, ids::firstHistory + index,
              caption.c_str());
}

void MainWindow::bringToForeground() { SetForegroundWindow(hwnd_); }

void MainWindow::bringToFront() { BringWindowToTop(hwnd_); }

void MainWindow::activateEditor() { memo1_->setFocus(); }

std::vector<LostCharacter> MainWindow::charactersLostAsCp932() const {
  std::vector<LostCharacter> lost;
  GETTEXTLENGTHEX gl{GTL_NUMCHARS | GTL_PRECISE, 1200};
  const auto n = static_cast<int>(SendMessageW(memo1_->hwnd(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0));
  const std::wstring all = memo1_->wideRange(0, n);
  int line = 0, column = 0;
  for (std::size_t i = 0; i < all.size(); ++i) {
    wchar_t c = all[i];
    if (c == L'\r' || c == L'\n') {
      if (c == L'\r' && i + 1 < all.size() && all[i + 1] == L'\n') ++i;
      ++line;
      column = 0;
      continue;
    }
    char32_t code = c;
    bool pair = false;
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < all.size() && all[i + 1] >= 0xDC00 && all[i + 1] <= 0xDFFF) {
      code = 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (all[i + 1] - 0xDC00);
      pair = true;
    }
    if (pair || !representableInCp932(c)) lost.push_back({line, column, code});
    if (pair) ++i;
    ++column;
  }
  return lost;
}

void MainWindow::setPanelText(int panel, const std::string& text) {
  SendMessageW(statusBar_, SB_SETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(widen(text).c_str()));
}

// ---- FormWindow

std::string MainWindow::caption() const {
  wchar_t buf[1024];
  GetWindowTextW(hwnd_, buf, 1024);
  return narrow(buf);
}

void MainWindow::setCaption(const std::string& text) {
  // The task-bar button of a single top-level window shows this same text.
  SetWindowTextW(hwnd_, widen(text).c_str());
}

Rect MainWindow::bounds() const {
  RECT r;
  if (IsIconic(hwnd_)) {
    WINDOWPLACEMENT wp{sizeof wp};
    GetWindowPlacement(hwnd_, &wp);
    r = wp.rcNormalPosition;
  } else {
    GetWindowRect(hwnd_, &r);
  }
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void MainWindow::setBounds(const Rect& r) {
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::appendSystemMenuItem(int id, const std::string& text) {
  HMENU menu = GetSystemMenu(hwnd_, FALSE);
  if (text.empty())
    AppendMenuW(menu, MF_SEPARATOR, static_cast<UINT_PTR>(id), nullptr);
  else
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id), widen(text).c_str());
}

int MainWindow::bandIndex(Bar bar) const {
  const auto index = SendMessageW(coolBar_, RB_IDTOINDEX, bar == Bar::ToolBar ? 0 : 1, 0);
  return static_cast<int>(index);
}

bool MainWindow::barVisible(Bar bar) const { return barShown_[static_cast<int>(bar)]; }

void MainWindow::setBarVisible(Bar bar, bool visible) {
  barShown_[static_cast<int>(bar)] = visible;
  if (bar == Bar::StatusBar) {
    ShowWindow(statusBar_, visible ? SW_SHOW : SW_HIDE);
  } else if (HWND f = floating_[bar == Bar::ToolBar ? 0 : 1]) {
    ShowWindow(f, visible ? SW_SHOWNA : SW_HIDE);
  } else {
    SendMessageW(coolBar_, RB_SHOWBAND, bandIndex(bar), visible);
    // With no band left the bar takes no room at all.
    const bool any = (barShown_[0] && !floating_[0]) || (barShown_[1] && !floating_[1]);
    ShowWindow(coolBar_, any ? SW_SHOW : SW_HIDE);
  }
  layout();
}

void MainWindow::floatBar(Bar bar) {
  const int k = bar == Bar::ToolBar ? 0 : 1;
  if (floating_[k]) return;
  HWND child = barWindow(bar);
  RECT r;
  GetWindowRect(child, &r);
  POINT p;
  GetCursorPos(&p);
  const int w = bar == Bar::ToolBar ? 260 : barWidth + 8;
  RECT want{0, 0, w, bar == Bar::ToolBar ? 28 : 24};
  AdjustWindowRectEx(&want, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_TOOLWINDOW);
  HWND f = CreateWindowExW(WS_EX_TOOLWINDOW, floatClass, bar == Bar::ToolBar ? toolBarCaption : phraseBoxCaption,
                           WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, p.x - 20, p.y - 10, want.right - want.left,
                           want.bottom - want.top, hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(f, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  floating_[k] = f;
  SendMessageW(coolBar_, RB_DELETEBAND, bandIndex(bar), 0);
  SetParent(child, f);
  SetWindowPos(child, nullptr, 2, 2, w - 4, bar == Bar::ToolBar ? 24 : 20 + 10 * 12 + 4,
               SWP_NOZORDER | SWP_SHOWWINDOW);
  if (bar == Bar::PhraseBox) MoveWindow(child, 2, 2, w - 4, 20 + 10 * 12 + 4, TRUE);
  ShowWindow(coolBar_, floating_[0] && floating_[1] ? SW_HIDE : SW_SHOW);
  layout();
}

void MainWindow::dockBar(Bar bar) {
  const int k = bar == Bar::ToolBar ? 0 : 1;
  HWND f = floating_[k];
  if (!f) return;
  HWND child = barWindow(bar);
  SetParent(child, coolBar_);
  REBARBANDINFOW band{sizeof band};
  band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID;
  band.fStyle = RBBS_BREAK | RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE;
  band.hwndChild = child;
  band.cyMinChild = bar == Bar::ToolBar ? 24 : 20;
  band.cx = barWidth;
  band.wID = static_cast<UINT>(k);
  // The button bar is always the first row.
  SendMessageW(coolBar_, RB_INSERTBANDW, bar == Bar::ToolBar ? 0 : static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
  floating_[k] = nullptr;
  DestroyWindow(f);
  ShowWindow(coolBar_, SW_SHOW);
  if (!barShown_[k]) SendMessageW(coolBar_, RB_SHOWBAND, bandIndex(bar), FALSE);
  layout();
}

LRESULT CALLBACK MainWindow::floatProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  MainWindow* self = fromHwnd(hwnd);
  if (self) {
    const Bar bar = hwnd == self->floating_[0] ? Bar::ToolBar : Bar::PhraseBox;
    switch (msg) {
      case WM_CLOSE:  // closing a floating bar puts it back in its place
        self->dockBar(bar);
        return 0;
      case WM_EXITSIZEMOVE: {
        RECT mine, target;
        GetWindowRect(hwnd, &mine);
        GetWindowRect(self->hwnd_, &target);
        RECT client;
        GetClientRect(self->hwnd_, &client);
        MapWindowPoints(self->hwnd_, nullptr, reinterpret_cast<POINT*>(&client), 2);
        // Dropped onto the top of the main window's client area: dock.
        RECT dock{client.left, client.top - 8, client.right, client.top + 40};
        RECT hit;
        if (IntersectRect(&hit, &mine, &dock)) self->dockBar(bar);
        return 0;
      }
      case WM_COMMAND:
      case WM_NOTIFY:
        return SendMessageW(self->hwnd_, msg, w, l);
    }
  }
  return DefWindowProcW(hwnd, msg, w, l);
}

void MainWindow::acceptDroppedFiles() { DragAcceptFiles(hwnd_, TRUE); }

void MainWindow::setOverwriteSaveHint(const std::string& text) { overwriteHint_ = widen(text); }

std::wstring MainWindow::buttonHint(int button) const {
  return button == tbtnUwagaki ? overwriteHint_ : buttons[button].hint;
}

bool MainWindow::wrapButtonDown() const {
  return SendMessageW(toolBar_, TB_ISBUTTONCHECKED, ids::firstButton + tbtnWrap, 0) != 0;
}

void MainWindow::startAnotherInstance() {
  // Our own executable by its full path: a program of the same name in the current folder must
  // never be the one that starts.
  std::wstring program = programPath_;
  if (program.empty()) {
    wchar_t path[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    if (n == 0 || n >= std::size(path)) return;
    program = path;
  }
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW si{sizeof si};
  GetStartupInfoW(&si);
  PROCESS_INFORMATION pi{};
  if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
}

bool anotherInstanceRuns() {
  HANDLE existing = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, L"uniKakipo");
  if (existing) CloseHandle(existing);
  return existing != nullptr;
}

// ---- PhraseBoxView

std::vector<std::string> MainWindow::items() const {
  std::vector<std::string> out;
  const auto n = SendMessageW(comboBox_, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < n; ++i) {
    const auto len = SendMessageW(comboBox_, CB_GETLBTEXTLEN, i, 0);
    std::wstring buf(static_cast<std::size_t>(std::max<LRESULT>(len, 0)) + 1, L'\0');
    SendMessageW(comboBox_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buf.data()));
    buf.resize(static_cast<std::size_t>(std::max<LRESULT>(len, 0)));
    out.push_back(narrow(buf));
  }
  return out;
}

void MainWindow::setItems(const std::vector<std::string>& list) {
  SendMessageW(comboBox_, CB_RESETCONTENT, 0, 0);
  for (const auto& s : list) SendMessageW(comboBox_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(s).c_str()));
}

std::string MainWindow::text() const {
  const int len = GetWindowTextLengthW(comboBox_);
  std::wstring buf(static_cast<std::size_t>(len) + 1, L'\0');
  GetWindowTextW(comboBox_, buf.data(), len + 1);
  buf.resize(static_cast<std::size_t>(len));
  return narrow(buf);
}

void MainWindow::setText(const std::string& text) { SetWindowTextW(comboBox_, widen(text).c_str()); }

int MainWindow::itemIndex() const { return static_cast<int>(SendMessageW(comboBox_, CB_GETCURSEL, 0, 0)); }

void MainWindow::setItemIndex(int index) { SendMessageW(comboBox_, CB_SETCURSEL, index, 0); }

// ---- MessageBoxes

int MainWindow::messageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return MessageBoxW(hwnd_, widen(text).c_str(), widen(caption).c_str(), flags);
}

LRESULT CALLBACK MainWindow::comboEditProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<MainWindow*>(data);
  if (self->logic_) {
    auto& f = *self->logic_;
    if (msg == WM_LBUTTONDBLCLK) {
      const LRESULT r = DefSubclassProc(hwnd, msg, w, l);
      f.dispatch([&] { f.phrases.ComboBox1DblClick(); });
      return r;
    }
    if (msg == WM_CHAR && w < 0x80) {
      bool taken = false;
      f.dispatch([&] { taken = f.phrases.ComboBox1KeyPress(static_cast<char>(w)); });
      if (taken) return 0;
    }
  }
  return DefSubclassProc(hwnd, msg, w, l);
}

}  // namespace kakipo::win32
