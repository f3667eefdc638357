// Drives kakipo.exe from outside its process, as a user would: starts it in a folder of its own,
// finds its windows, clicks, types, answers its message boxes and common dialogs, and reads back
// what a user could see. Only window messages cross the process boundary; nothing of the
// program's own code is linked in.
#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "win32/probe/clipboard_text.h"
#include "win32/probe/temp_folder.h"
#include "win32/probe/window_query.h"

namespace e2e {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Generous: the first start of a Wine prefix and a 1 MB load both take seconds.
constexpr auto patience = 60s;

// Polls until the condition holds; false when the time runs out.
bool waitUntil(const std::function<bool()>& condition, Clock::duration timeout = patience);

using kakipo::probe::className;
using kakipo::probe::setClipboardText;
using kakipo::probe::windowRect;
using kakipo::probe::windowText;

// Byte-level file helpers: what a user would see with a hex viewer.
std::string readFile(const std::wstring& path);
void writeFile(const std::wstring& path, const std::string& bytes);
bool fileExists(const std::wstring& path);
// UTF-16 to code page 932 bytes and back, the way the program stores its texts.
std::string cp932(const std::wstring& text);
std::wstring fromCp932(const std::string& bytes);

// A message box of the program: its caption, its text and its buttons.
struct MessageBoxSeen {
  HWND hwnd = nullptr;
  std::wstring caption;
  std::wstring text;
  std::vector<int> buttons;  // the command ids of its buttons (IDOK, IDCANCEL, IDYES, IDNO ...)
  int defaultButton = 0;
  explicit operator bool() const { return hwnd != nullptr; }
};

// One running kakipo.exe, copied into a fresh folder so that it has a settings file of its own.
class Kakipo {
 public:
  // A new empty folder of that name (and a number), with kakipo.exe copied into it; the program is
  // not started yet.
  explicit Kakipo(const std::wstring& folderName = L"kakipo-e2e");
  // Adopts an instance that another instance started (right click on New): same folder, no copy.
  Kakipo(const std::wstring& folder, DWORD pid);
  ~Kakipo();
  Kakipo(const Kakipo&) = delete;
  Kakipo& operator=(const Kakipo&) = delete;

  const std::wstring& folder() const { return folder_; }
  std::wstring path(const std::wstring& name) const { return folder_ + L"\\" + name; }
  std::wstring settingsPath() const { return path(L"kakipo.ini"); }

  // Starts the program with the given arguments and waits for its main window to show.
  void start(const std::wstring& arguments = L"");
  bool running() const;
  // Waits for the process to end; false when it is still running after the timeout.
  bool waitForExit(Clock::duration timeout = patience);
  DWORD pid() const { return pid_; }

  HWND window() const { return window_; }
  HWND editor() const;
  HWND toolBar() const;
  HWND phraseBox() const;
  HWND phraseEdit() const;
  HWND statusBar() const;
  std::wstring title() const { return windowText(window_); }

  // Waits until every message posted so far has been handled (or a modal loop has taken over).
  void settle() const;
  // A left click on button 0 ... 9 of the button bar, delivered as the bar's command.
  void clickButton(int index) const;
  // A right click on button 0 ... 9, delivered as mouse messages to the button bar.
  void rightClickButton(int index) const;
  // Chooses a context-menu item of the editor (the popup's command id).
  void chooseMenu(int id) const;
  // Chooses item `index` (0-based, separators skipped) of the popup menu that is open.
  void choosePopupItem(int index) const;
  // Types text into the editor one character at a time; "\r" is the Enter key.
  void type(const std::wstring& text) const;
  void select(int start, int end) const;
  // The editor's text with CR LF line breaks, as a plain-text save would write it.
  std::wstring editorText() const;
  // Selection in UTF-16 positions of the control.
  std::pair<int, int> selection() const;
  bool modified() const;
  void close() const;
  // The user goes to another program's window and comes back to this one.
  void switchAwayAndBack() const;

  // Waits for a message box of this process (a dialog with a caption beginning "カキポ").
  MessageBoxSeen waitMessageBox(Clock::duration timeout = patience) const;
  // Presses a button of a dialog that stays open (Find Next).
  void push(HWND dialog, int id) const;
  // Presses a button of a dialog and waits for the dialog to go away.
  void press(HWND dialog, int id) const;
  // Waits for a top-level dialog of this process that has a control with the given id.
  HWND waitDialogWith(int controlId, Clock::duration timeout = patience) const;
  // True when no dialog of this process is showing.
  bool noDialog() const;

  // The Save or Open dialog: fills the file name, optionally picks the file type (1-based filter
  // index) and presses OK.
  void answerFileDialog(const std::wstring& name, int filterIndex = 0) const;
  void cancelFileDialog() const;

  // Drops files onto the main window, as the shell's drag and drop does.
  void dropFiles(const std::vector<std::wstring>& paths) const;

  // Ends the process if it is still running (a failed scenario must not leave it behind).
  void kill();

 private:
  HWND findMainWindow() const;
  std::vector<HWND> dialogs() const;

  std::unique_ptr<kakipo::probe::TempFolder> ownFolder_;  // none for an adopted instance
  std::wstring folder_;
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
  HWND window_ = nullptr;
};

// The main windows of every running kakipo.exe.
std::vector<HWND> allMainWindows();

// Saves a picture of the whole screen as a .bmp.
bool saveScreenshot(const std::wstring& path);
// The folder the driver runs from (the build folder).
std::wstring driverFolder();

}  // namespace e2e
