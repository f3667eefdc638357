// The main window Form1 (class "TForm1"): builds its controls and the adapters the logic is made
// with, lays them out, routes every event to the logic in one line, and implements the ports that
// are the window itself.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "app/main_form.h"
#include "core/display_scale.h"
#include "core/form_window.h"
#include "core/ui.h"
#include "documents/document_ports.h"
#include "editing/status_bar_view.h"
#include "search/search_dialogs.h"
#include "win32/button_bar.h"
#include "win32/clipboard.h"
#include "win32/common_dialogs.h"
#include "win32/control_ids.h"
#include "win32/count_window.h"
#include "win32/files.h"
#include "win32/find_replace_dialogs.h"
#include "win32/floating_bars.h"
#include "win32/go_to_line_dialog.h"
#include "win32/handles.h"
#include "win32/help_viewer.h"
#include "win32/menus.h"
#include "win32/phrase_combo.h"
#include "win32/private_profile.h"
#include "win32/progress_dialog.h"
#include "win32/recovery_files.h"
#include "win32/rich_editor.h"
#include "win32/system_clock.h"
#include "win32/window.h"

namespace kakipo::win32 {

class MainWindow : public Window<MainWindow>,
                   public FormWindow,
                   public MessageBoxes,
                   public MainWindowFront,
                   public StatusBarView,
                   public SearchWindow {
 public:
  static WindowClass windowClass() { return {L"TForm1", CS_DBLCLKS, true}; }

  // Creates the window hidden, with everything in it. The logic's FormShow runs from show().
  // Unsaved text is kept in recoveryFolder; none, no recovery files (the tests' windows).
  // Throws Error saying what could not be built.
  explicit MainWindow(bool secondInstance, std::wstring recoveryFolder = {});
  ~MainWindow() override;

  // The first showing: the start-up sequence runs first, then the window appears.
  void show(const std::string& commandLine, int showCommand);
  // A queued message before it is dispatched: keystrokes of the modeless Find and Replace dialogs
  // go to them, and the program's keys pressed in this window or a floating bar run their
  // command. True when the message was taken.
  bool preTranslate(MSG& msg);

  MainForm& logic() { return *logic_; }
  RichEditor& memo1() { return *memo1_; }
  HWND toolBar() const { return buttons_->hwnd(); }
  HWND comboBox() const { return phraseBox_->hwnd(); }
  HWND statusBar() const { return statusBar_; }
  HWND coolBar() const { return coolBar_->hwnd(); }
  const ContextMenus& menus() const { return *menus_; }
  CountWindow& countWindow() { return *countWindow_; }
  // The program another instance is started from; our own executable unless a test says otherwise.
  void setProgramPath(std::wstring path) { programPath_ = std::move(path); }

  // FormWindow
  std::string caption() const override;
  void setCaption(const std::string& text) override;
  Rect bounds() const override;
  void setBounds(const Rect& r) override;
  void appendSystemMenuItem(int id, const std::string& text) override;
  void setSystemMenuItem(int id, const std::string& text, bool checked, bool enabled) override;
  void setTopmost(bool on) override;
  bool barVisible(Bar bar) const override;
  void setBarVisible(Bar bar, bool visible) override;
  void acceptDroppedFiles() override;
  void setOverwriteSaveHint(const std::string& text) override;
  bool wrapButtonDown() const override;
  void startAnotherInstance() override;
  int dpi() const override { return px_.dpi(); }

  // MessageBoxes
  int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;

  // The rest of what the document, status-bar and search commands drive.
  void bringToForeground() override;
  void setPanelText(int panel, const std::string& text) override;
  void setNotice(const std::string& text) override;
  void bringToFront() override;
  void activateEditor() override;

 private:
  friend class Window<MainWindow>;
  LRESULT handle(UINT msg, WPARAM w, LPARAM l);
  void createParts();
  void createStatusBar();
  void scaleStatusBar();
  // Fonts, pictures and bar sizes for the display at px_.
  void applyScale();
  void onDpiChanged(int dpi, const RECT& suggested);
  bool translateKey(const MSG& msg);
  void layout();
  void onCommand(int id, int code);
  LRESULT onNotify(NMHDR* nm);
  void onButtonRightClick(Button button);
  void showContextMenu(LPARAM at);
  void showHistoryMenu();
  void onStatusBarClick(const NMMOUSE& click);
  void onDropFiles(HDROP drop);
  void forwardRecoveryWrites();

  Scale px_;  // the display the window is on
  UniqueFont formFont_;
  // Controls that go with the window: not owned here.
  HWND tooltips_ = nullptr;
  HWND statusBar_ = nullptr;
  bool statusBarShown_ = true;
  std::unique_ptr<CoolBar> coolBar_;
  std::unique_ptr<ButtonBar> buttons_;
  std::unique_ptr<PhraseCombo> phraseBox_;
  std::unique_ptr<ContextMenus> menus_;
  std::unique_ptr<RichEditor> memo1_;
  std::unique_ptr<Win32Files> files_;
  std::unique_ptr<Win32FileDialogs> fileDialogs_;
  std::unique_ptr<Win32FontColourDialogs> fontDialogs_;
  std::unique_ptr<ProgressDialogWindow> progress_;
  std::unique_ptr<PrivateProfile> profile_;
  std::unique_ptr<Win32Clipboard> clipboard_;
  std::unique_ptr<SystemClock> clock_;
  std::unique_ptr<FindReplaceDialogs> searchDialogs_;
  std::unique_ptr<Win32GoToLineDialog> goToLineDialog_;
  std::unique_ptr<Win32HelpWindows> helpWindows_;
  std::unique_ptr<CountWindow> countWindow_;
  std::wstring recoveryFolder_;
  std::unique_ptr<RecoveryFiles> recovery_;
  std::unique_ptr<MainForm> logic_;
  std::string createError_;  // why WM_CREATE refused, for the constructor to report
  bool secondInstance_;
  std::wstring programPath_;
};

}  // namespace kakipo::win32
