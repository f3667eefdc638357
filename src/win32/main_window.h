// The main window Form1 (class "TForm1"): builds every control, implements the ports the logic
// drives the window through, and forwards each event to the logic in one line.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "core/form_window.h"
#include "app/main_form.h"
#include "core/ui.h"
#include "documents/document_ports.h"
#include "editing/phrase_box_view.h"
#include "editing/status_bar_view.h"
#include "win32/clipboard.h"
#include "win32/common_dialogs.h"
#include "win32/files.h"
#include "win32/help_viewer.h"
#include "win32/find_replace_dialogs.h"
#include "win32/private_profile.h"
#include "win32/progress_dialog.h"
#include "win32/rich_editor.h"
#include "win32/system_clock.h"

namespace kakipo::win32 {

namespace ids {
constexpr int memo1 = 100;
constexpr int memoUra = 101;
constexpr int coolBar = 102;
constexpr int toolBar = 103;
constexpr int comboBox = 104;
constexpr int statusBar = 105;
constexpr int firstButton = 200;  // tbtnNew ... tbtnVajHel are 200 ... 209
constexpr int firstPopup = 300;   // popUndo ... popInyofOut
constexpr int firstHistory = 320; // popRirek0 ... popRirek4
constexpr int timerGyoRet = 1;
}  // namespace ids

enum Button { tbtnNew, tbtnOpen, tbtnSave, tbtnUwagaki, tbtnFont, tbtnJikFon, tbtnWrap, tbtnFind, tbtnTikan, tbtnVajHel };

class MainWindow : public FormWindow,
                   public PhraseBoxView,
                   public MessageBoxes,
                   public HistoryMenu,
                   public MainWindowFront,
                   public TextLossCheck,
                   public StatusBarView,
                   public SearchWindow {
 public:
  static constexpr const wchar_t* className = L"TForm1";

  // Creates the window hidden. The logic's FormShow runs from show().
  explicit MainWindow(bool secondInstance);
  ~MainWindow() override;

  // The first showing: the start-up sequence runs first, then the window appears.
  void show(const std::string& commandLine, int showCommand);
  HWND hwnd() const { return hwnd_; }
  // Keystrokes for the modeless Find and Replace dialogs; true when the message was theirs.
  bool preTranslate(MSG& msg);

  MainForm& logic() { return *logic_; }
  RichEditor& memo1() { return *memo1_; }
  HWND toolBar() const { return toolBar_; }
  HWND comboBox() const { return comboBox_; }
  HWND statusBar() const { return statusBar_; }
  HWND coolBar() const { return coolBar_; }
  std::wstring buttonHint(int button) const;
  // The program another instance is started from; our own executable unless a test says otherwise.
  void setProgramPath(std::wstring path) { programPath_ = std::move(path); }

  // FormWindow
  std::string caption() const override;
  void setCaption(const std::string& text) override;
  Rect bounds() const override;
  void setBounds(const Rect& r) override;
  void appendSystemMenuItem(int id, const std::string& text) override;
  bool barVisible(Bar bar) const override;
  void setBarVisible(Bar bar, bool visible) override;
  void acceptDroppedFiles() override;
  void setOverwriteSaveHint(const std::string& text) override;
  bool wrapButtonDown() const override;
  void startAnotherInstance() override;

  // PhraseBoxView
  std::vector<std::string> items() const override;
  void setItems(const std::vector<std::string>& items) override;
  std::string text() const override;
  void setText(const std::string& text) override;
  int itemIndex() const override;
  void setItemIndex(int index) override;

  // MessageBoxes
  int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;

  // The rest of what the document and status-bar commands drive.
  void setHistoryCaption(int index, const std::string& text) override;
  void bringToForeground() override;
  std::vector<LostCharacter> charactersLostAsCp932() const override;
  void setPanelText(int panel, const std::string& text) override;
  void bringToFront() override;
  void activateEditor() override;

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
  static LRESULT CALLBACK floatProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
  static LRESULT CALLBACK comboEditProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR self);
  LRESULT handle(UINT msg, WPARAM w, LPARAM l);
  void createControls();
  void createCoolBar();
  void createMenus();
  void layout();
  void onCommand(int id, int code);
  LRESULT onNotify(NMHDR* nm);
  void onButtonRightClick(int button);
  void showContextMenu(LPARAM at);
  void showHistoryMenu();
  void onDropFiles(HDROP drop);
  std::string settingsPath() const;
  int bandIndex(Bar bar) const;
  void floatBar(Bar bar);
  void dockBar(Bar bar);
  HWND barWindow(Bar bar) const { return bar == Bar::ToolBar ? toolBar_ : comboBox_; }

  HWND hwnd_ = nullptr;
  HWND coolBar_ = nullptr;
  HWND toolBar_ = nullptr;
  HWND comboBox_ = nullptr;
  HWND statusBar_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND floating_[2] = {nullptr, nullptr};
  HFONT formFont_ = nullptr;
  HIMAGELIST toolImages_ = nullptr;
  HMENU popupMenu1_ = nullptr;
  HMENU popupMenu2_ = nullptr;
  HBITMAP menuBitmaps_[8] = {};
  std::unique_ptr<RichEditor> memo1_;
  std::unique_ptr<RichEditor> memoUra_;
  std::unique_ptr<Win32Files> files_;
  std::unique_ptr<Win32FileDialogs> fileDialogs_;
  std::unique_ptr<Win32FontColourDialogs> fontDialogs_;
  std::unique_ptr<ProgressDialogWindow> progress_;
  std::unique_ptr<PrivateProfile> profile_;
  std::unique_ptr<Win32Clipboard> clipboard_;
  std::unique_ptr<SystemClock> clock_;
  std::unique_ptr<FindReplaceDialogs> searchDialogs_;
  std::unique_ptr<Win32HelpWindows> helpWindows_;
  std::unique_ptr<MainForm> logic_;
  std::wstring overwriteHint_ = L"上書き保存";
  bool barShown_[3] = {true, true, true};
  bool secondInstance_;
  std::wstring programPath_;
};

// True when another instance of the program holds the named mutex.
bool anotherInstanceRuns();

}  // namespace kakipo::win32
