#include "win32/main_window.h"

#include <richedit.h>
#include <windowsx.h>

#include <algorithm>
#include <exception>

#include "app/main_window_layout.h"
#include "app/main_window_texts.h"
#include "core/errors.h"
#include "editing/editing_texts.h"
#include "win32/controls/rebar.h"
#include "win32/controls/status_bar.h"
#include "win32/controls/tooltip.h"
#include "win32/dpi.h"
#include "win32/encoding.h"
#include "win32/single_instance.h"
#include "win32/ui_resources.h"

namespace kakipo::win32 {

namespace {

constexpr int textLimit = 10000000;  // the editor's limit, in the control's units
constexpr UINT recoveryWritten = WM_APP + 10;  // the recovery worker finished a write
constexpr UINT activated = WM_APP + 11;        // the window became active a moment ago

void loadControlLibraries() {
  static const bool loaded = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_WIN95_CLASSES | ICC_TAB_CLASSES |
                                             ICC_TREEVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_ANIMATE_CLASS};
    InitCommonControlsEx(&icc);
    return LoadLibraryW(L"msftedit.dll") != nullptr;
  }();
  (void)loaded;  // a missing library shows as the editor that cannot be created
}

// The modifier keys held with the key being handled, as the thread's key state says.
ShiftState heldModifiers() {
  ShiftState shift = modifier::none;
  if (GetKeyState(VK_SHIFT) < 0) shift |= modifier::shift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= modifier::ctrl;
  if (GetKeyState(VK_MENU) < 0) shift |= modifier::alt;
  return shift;
}

}  // namespace

MainWindow::MainWindow(bool secondInstance, std::wstring recoveryFolder)
    : recoveryFolder_(std::move(recoveryFolder)), secondInstance_(secondInstance) {
  loadControlLibraries();
  if (!create(0, L"Form1", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, defaultFormBounds.left, defaultFormBounds.top,
              defaultFormBounds.width, defaultFormBounds.height, nullptr))
    throw Error(createError_.empty() ? texts::mainWindowNotCreated : createError_);
}

MainWindow::~MainWindow() {
  // The window goes first, while everything its controls call back into is still here.
  destroy();
}

// WM_CREATE: the controls in their z-order, then the adapters and the logic made with them.
void MainWindow::createParts() {
  px_ = Scale(dpiOf(hwnd()));
  formFont_ = uiFont(px_(formFontPixels));
  // Without tooltips (or the font) the window still works: neither stops the start.
  tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, hwnd(),
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  coolBar_ = std::make_unique<CoolBar>(hwnd(), px_, [this] { layout(); });
  buttons_ = std::make_unique<ButtonBar>(coolBar_->hwnd(), px_);
  phraseBox_ = std::make_unique<PhraseCombo>(coolBar_->hwnd(), formFont_.get(), px_, tooltips_, hwnd());
  coolBar_->addBands(buttons_->hwnd(), phraseBox_->hwnd());
  memo1_ = std::make_unique<RichEditor>(hwnd(), ids::memo1, textLimit);
  memo1_->setDefaultFormat(Font{});
  createStatusBar();
  menus_ = std::make_unique<ContextMenus>(px_);
  if (!SetTimer(hwnd(), ids::timerGyoRet, mainlayout::statusTickMilliseconds, nullptr))
    throw Error(texts::timerNotStarted);

  files_ = std::make_unique<Win32Files>();
  fileDialogs_ = std::make_unique<Win32FileDialogs>(hwnd());
  fontDialogs_ = std::make_unique<Win32FontColourDialogs>(hwnd());
  progress_ = std::make_unique<ProgressDialogWindow>(hwnd());
  profile_ = std::make_unique<PrivateProfile>();
  clipboard_ = std::make_unique<Win32Clipboard>(hwnd());
  clock_ = std::make_unique<SystemClock>();
  searchDialogs_ = std::make_unique<FindReplaceDialogs>(hwnd());
  goToLineDialog_ = std::make_unique<Win32GoToLineDialog>(hwnd());
  helpWindows_ = std::make_unique<Win32HelpWindows>(hwnd(), [this](const std::string& m) { logic_->showError(m); });
  countWindow_ = std::make_unique<CountWindow>(hwnd());
  logic_ = std::make_unique<MainForm>(
      MainFormPorts{*memo1_, *this, *phraseBox_, *this, *files_, *fileDialogs_, *fontDialogs_, *progress_, *menus_,
                    *this, *profile_, *clipboard_, *this, *clock_, *searchDialogs_, *this, *helpWindows_,
                    *countWindow_, *goToLineDialog_},
      StartupFacts{secondInstance_, systemDpi(), settingsPathFor(narrow(executablePath()))});
  phraseBox_->connect(*logic_);
  if (!recoveryFolder_.empty()) {
    recovery_ = std::make_unique<RecoveryFiles>(recoveryFolder_, hwnd(), recoveryWritten);
    logic_->recovery.keep(*recovery_);
  }
}

void MainWindow::createStatusBar() {
  statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_TOOLTIPS, 0, 0, 0, 0, hwnd(),
                               childId(ids::statusBar), GetModuleHandleW(nullptr), nullptr);
  if (!statusBar_) throw Error(texts::controlNotCreated);
  scaleStatusBar();
  tt::addTool(tooltips_, hwnd(), statusBar_, widen(texts::statusBarHint));
}

void MainWindow::scaleStatusBar() {
  setFont(statusBar_, formFont_.get());
  sb::setMinHeight(statusBar_, px_(mainlayout::statusBarHeight));
  constexpr int encodingRight = mainlayout::statusPart2Right + mainlayout::statusEncodingPanelWidth;
  sb::setParts(statusBar_, {px_(mainlayout::statusPart1Right), px_(mainlayout::statusPart2Right), px_(encodingRight),
                            px_(encodingRight + mainlayout::statusCountPanelWidth),
                            px_(encodingRight + mainlayout::statusCountPanelWidth + mainlayout::statusZoomPanelWidth)});
}

void MainWindow::applyScale() {
  // The controls change to the new font before the old one goes.
  UniqueFont oldFont = std::move(formFont_);
  formFont_ = uiFont(px_(formFontPixels));
  phraseBox_->scaleTo(formFont_.get(), px_);
  scaleStatusBar();
  buttons_->scaleTo(px_);
  menus_->scaleTo(px_);
  coolBar_->scaleTo(px_);  // the bands take the bars' new heights
}

// The window went to a display with another scale: everything is made for it, then the window
// takes the place and size the system suggests there.
void MainWindow::onDpiChanged(int dpi, const RECT& suggested) {
  px_ = Scale(dpi);
  applyScale();
  SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void MainWindow::show(const std::string& commandLine, int showCommand) {
  logic_->dispatch([&] { logic_->FormShow(commandLine); });
  ShowWindow(hwnd(), showCommand);
  UpdateWindow(hwnd());
  // Offered over the window, after any file named on the command line has opened.
  logic_->dispatch([&] { logic_->offerRecovery(); });
  memo1_->setFocus();
}

bool MainWindow::preTranslate(MSG& msg) {
  if (searchDialogs_ && searchDialogs_->isDialogMessage(msg)) return true;
  return translateKey(msg);
}

bool MainWindow::translateKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || !logic_ || !msg.hwnd) return false;
  // Keys of this window's controls, of the bars floating in windows of their own and of the count
  // window; the help viewer and every dialog keep theirs.
  const HWND top = GetAncestor(msg.hwnd, GA_ROOT);
  if (top != hwnd() && !coolBar_->isFloatingWindow(top) && top != countWindow_->hwnd()) return false;
  bool taken = false;
  logic_->dispatch([&] { taken = logic_->FormKeyDown(static_cast<int>(msg.wParam), heldModifiers()); });
  return taken;
}

void MainWindow::layout() {
  if (!memo1_) return;
  RECT client;
  GetClientRect(hwnd(), &client);
  rb::fit(coolBar_->hwnd());
  int top = 0;
  if (IsWindowVisible(coolBar_->hwnd())) {
    RECT r;
    GetWindowRect(coolBar_->hwnd(), &r);
    top = r.bottom - r.top;
  }
  int bottom = client.bottom;
  if (statusBarShown_) {
    sb::fit(statusBar_);
    RECT r;
    GetWindowRect(statusBar_, &r);
    bottom -= r.bottom - r.top;
  }
  MoveWindow(memo1_->hwnd(), 0, top, client.right, std::max(0, bottom - top), TRUE);
}

LRESULT MainWindow::handle(UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_CREATE) {
    try {
      createParts();
      return 0;
    } catch (const std::exception& e) {
      createError_ = e.what();
      return -1;
    }
  }
  // Nothing is routed before the window is whole, nor while a window that could not be is undone.
  if (!logic_) return defaultHandling(msg, w, l);
  auto& f = *logic_;
  if (msg == FindReplaceDialogs::findMessage()) {
    const SearchNotification n = searchDialogs_->onFindMessage(l);
    if (n.request == SearchRequest::FindNext && n.dialog == SearchDialog::Find)
      f.dispatch([&] { f.findReplace.FindDialog1Find(); });
    else if (n.request == SearchRequest::FindNext)
      f.dispatch([&] { f.findReplace.ReplaceDialog1Find(); });
    else if (n.request == SearchRequest::Replace || n.request == SearchRequest::ReplaceAll)
      f.dispatch([&] { f.findReplace.ReplaceDialog1Replace(); });
    return 0;
  }
  switch (msg) {
    case WM_SIZE:
      layout();
      return 0;
    case WM_DPICHANGED:
      onDpiChanged(HIWORD(w), *reinterpret_cast<const RECT*>(l));
      return 0;
    case WM_COMMAND:
      onCommand(LOWORD(w), HIWORD(w));
      return 0;
    case WM_NOTIFY:
      return onNotify(reinterpret_cast<NMHDR*>(l));
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(w) == memo1_->hwnd()) {
        showContextMenu(l);
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      f.dispatch([&] { f.sysMenuOnOff(static_cast<unsigned>(w & 0xFFFF)); });
      break;  // every system command also gets the default handling
    case WM_TIMER:
      if (w == ids::timerGyoRet) {
        f.dispatch([&] { f.statusBar.timerGyoRetTimer(); });
        f.dispatch([&] { f.recovery.timerGyoRetTimer(); });
        f.dispatch([&] { f.commands.timerGyoRetTimer(); });
        f.dispatch([&] { f.counts.timerGyoRetTimer(); });
      }
      return 0;
    case WM_ACTIVATE:
      // Looked at once the activation is over: a question put up from inside it would upset the
      // focus the system is still moving.
      if (LOWORD(w) != WA_INACTIVE)
        PostMessageW(hwnd(), activated, 0, 0);
      else
        f.dispatch([&] { f.FormActivate(false); });
      break;
    case activated:
      if (GetActiveWindow() == hwnd()) f.dispatch([&] { f.FormActivate(true); });
      return 0;
    case recoveryWritten:
      forwardRecoveryWrites();
      return 0;
    case WM_SETTINGCHANGE:
      if (l && lstrcmpiW(reinterpret_cast<const wchar_t*>(l), L"intl") == 0)
        f.dispatch([&] { f.statusBar.regionalSettingsChanged(); });
      break;
    case WM_DROPFILES:
      onDropFiles(reinterpret_cast<HDROP>(w));
      return 0;
    case WM_SETFOCUS:
      memo1_->setFocus();
      return 0;
    case WM_CLOSE: {
      bool mayClose = false;
      f.dispatch([&] { mayClose = f.FormCloseQuery(); });
      if (mayClose) DestroyWindow(hwnd());
      return 0;
    }
    case WM_QUERYENDSESSION: {
      bool mayClose = false;
      f.dispatch([&] { mayClose = f.FormCloseQuery(CloseReason::SessionEnd); });
      return mayClose;
    }
    case WM_ENDSESSION:
      if (w) DestroyWindow(hwnd());
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd(), ids::timerGyoRet);
      // A write under way ends, and its outcome reaches the logic, before the logic goes: a file
      // due to go once written must not stay behind.
      if (recovery_) recovery_->finish();
      forwardRecoveryWrites();
      PostQuitMessage(0);
      return 0;
  }
  return defaultHandling(msg, w, l);
}

void MainWindow::onCommand(int id, int code) {
  auto& f = *logic_;
  if (const auto button = ButtonBar::buttonOf(static_cast<UINT_PTR>(id))) {
    switch (*button) {
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
  if (const auto command = ContextMenus::popupCommandOf(id)) {
    switch (*command) {
      case popUndo: f.dispatch([&] { f.clipboard.popUndoClick(); }); break;
      case popRedo: f.dispatch([&] { f.clipboard.popRedoClick(); }); break;
      case popCopy: f.dispatch([&] { f.clipboard.popCopyClick(); }); break;
      case popPaste: f.dispatch([&] { f.clipboard.popPasteClick(); }); break;
      case popCut: f.dispatch([&] { f.clipboard.popCutClick(); }); break;
      case popDel: f.dispatch([&] { f.clipboard.popDelClick(); }); break;
      case popAllSel: f.dispatch([&] { f.clipboard.popAllSelClick(); }); break;
      case popInyofIn: f.dispatch([&] { f.quotes.popInyofInClick(); }); break;
      case popInyofOut: f.dispatch([&] { f.quotes.popInyofOutClick(); }); break;
      case popZenkaku: f.dispatch([&] { f.conversions.popZenkakuClick(); }); break;
      case popHankaku: f.dispatch([&] { f.conversions.popHankakuClick(); }); break;
      case popHiragana: f.dispatch([&] { f.conversions.popHiraganaClick(); }); break;
      case popKatakana: f.dispatch([&] { f.conversions.popKatakanaClick(); }); break;
    }
    return;
  }
  if (const auto slot = ContextMenus::historySlotOf(id)) {
    f.dispatch([&] { f.commands.popRirekClick(*slot); });
    return;
  }
  if (const auto encoding = ContextMenus::encodingOf(id)) {
    f.dispatch([&] { f.commands.popMojiKodoClick(*encoding); });
    return;
  }
  if (id == ids::comboBox && code == CBN_SELCHANGE) f.dispatch([&] { f.phrases.ComboBox1Click(); });
  if (id == ids::countWindow) f.dispatch([&] { f.counts.showCountWindow(); });
  if (id == ids::memo1 && code == EN_CHANGE) {
    f.dispatch([&] { f.recovery.memo1Change(); });
    f.dispatch([&] { f.counts.memo1Change(); });
  }
}

LRESULT MainWindow::onNotify(NMHDR* nm) {
  if (buttons_->onTooltip(nm)) return 0;
  if (nm->hwndFrom == buttons_->hwnd() && nm->code == NM_RCLICK) {
    const auto* mouse = reinterpret_cast<const NMMOUSE*>(nm);  // what NM_RCLICK from a toolbar carries
    if (const auto button = ButtonBar::buttonOf(mouse->dwItemSpec)) onButtonRightClick(*button);
    return TRUE;
  }
  if (nm->hwndFrom == memo1_->hwnd() && nm->code == EN_MSGFILTER) {
    const auto* filter = reinterpret_cast<const MSGFILTER*>(nm);
    // Ctrl with the wheel zooms by the program's steps, not the control's own.
    if (filter->msg == WM_MOUSEWHEEL && (GET_KEYSTATE_WPARAM(filter->wParam) & MK_CONTROL)) {
      logic_->dispatch([&] { logic_->zoom.wheel(GET_WHEEL_DELTA_WPARAM(filter->wParam)); });
      return TRUE;
    }
    if (filter->msg != WM_KEYDOWN) return 0;
    bool consumed = false;
    logic_->dispatch(
        [&] { consumed = logic_->clipboard.memo1KeyDown(static_cast<int>(filter->wParam), heldModifiers()); });
    return consumed;
  }
  if (nm->hwndFrom == memo1_->hwnd() && nm->code == EN_SELCHANGE) {
    logic_->dispatch([&] { logic_->counts.memo1SelChange(); });
    return 0;
  }
  if (nm->hwndFrom == statusBar_ && nm->code == NM_DBLCLK) {
    logic_->dispatch([&] { logic_->statusBar.StatusBar1DblClick(); });
    return 0;
  }
  if (nm->hwndFrom == statusBar_ && (nm->code == NM_CLICK || nm->code == NM_RCLICK)) {
    onStatusBarClick(*reinterpret_cast<const NMMOUSE*>(nm));
    return TRUE;
  }
  if (nm->hwndFrom == coolBar_->hwnd() && nm->code == RBN_HEIGHTCHANGE) {
    layout();
    return 0;
  }
  if (nm->hwndFrom == coolBar_->hwnd() && nm->code == RBN_ENDDRAG) {
    coolBar_->bandDropped(reinterpret_cast<const NMREBAR*>(nm)->wID);
    return 0;
  }
  return 0;
}

// A click on the encoding panel offers the encodings, one on the count panel opens the count
// window. A right click anywhere on the bar offers both: at the window's default width both panels
// are off the right edge, and a right click on the bar does nothing else.
void MainWindow::onStatusBarClick(const NMMOUSE& click) {
  POINT p;
  GetCursorPos(&p);
  const bool choosable = logic_->commands.encodingChoosable();
  if (click.hdr.code == NM_RCLICK) {
    menus_->showStatusBarMenu(hwnd(), p, choosable ? std::optional(logic_->document.encoding) : std::nullopt);
  } else if (click.dwItemSpec == static_cast<DWORD_PTR>(encodingPanel) && choosable) {
    menus_->showEncodingMenu(hwnd(), p, logic_->document.encoding);
  } else if (click.dwItemSpec == static_cast<DWORD_PTR>(countPanel)) {
    logic_->dispatch([&] { logic_->counts.showCountWindow(); });
  }
}

void MainWindow::onButtonRightClick(Button button) {
  switch (button) {
    case tbtnNew: logic_->dispatch([&] { logic_->tbtnNewMouseDown(MouseButton::Right); }); break;
    case tbtnOpen: showHistoryMenu(); break;
    case tbtnFont: logic_->dispatch([&] { logic_->fonts.tbtnFontMouseDown(MouseButton::Right); }); break;
    default: break;
  }
}

void MainWindow::showContextMenu(LPARAM at) {
  POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (p.x == -1 && p.y == -1) {  // from the keyboard: at the caret
    GetCaretPos(&p);
    ClientToScreen(memo1_->hwnd(), &p);
  }
  menus_->showPopupMenu1(hwnd(), p);
}

void MainWindow::showHistoryMenu() {
  logic_->dispatch([&] { logic_->commands.PopupMenu2Popup(); });
  POINT p;
  GetCursorPos(&p);
  menus_->showPopupMenu2(hwnd(), p);
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

void MainWindow::forwardRecoveryWrites() {
  if (!recovery_) return;
  for (const bool ok : recovery_->takeResults()) logic_->dispatch([&] { logic_->recovery.writeFinished(ok); });
}

}  // namespace kakipo::win32
