// The main window's logic: start-up and close sequences, the items of the system menu, the
// second-instance gesture and the general error report. Commands of the other subsystems hang off
// the objects it owns; the Win32 shell forwards each event here in one line.
#pragma once
#include <exception>
#include <string>

#include "app/app_texts.h"
#include "app/keys.h"
#include "app/recovery_wiring.h"
#include "app/settings.h"
#include "core/editor.h"
#include "core/errors.h"
#include "core/form_window.h"
#include "core/profile.h"
#include "core/progress.h"
#include "core/ui.h"
#include "core/window_state.h"
#include "documents/document.h"
#include "documents/document_commands.h"
#include "editing/appearance.h"
#include "editing/clipboard_commands.h"
#include "editing/conversion_commands.h"
#include "editing/count_keeper.h"
#include "editing/count_window_view.h"
#include "editing/font_buttons.h"
#include "editing/go_to_line.h"
#include "editing/phrase_box.h"
#include "editing/phrase_box_view.h"
#include "editing/quote_markers.h"
#include "editing/status_bar.h"
#include "editing/zoom.h"
#include "help/help_command.h"
#include "search/find_replace.h"
#include "search/search_dialogs.h"

namespace kakipo {

// System-menu items the program adds; their ids come back as system commands.
namespace sysmenu {
constexpr int separator = 1000;
constexpr int toolBar = 1001;
constexpr int phraseBox = 1002;
constexpr int statusBar = 1003;
constexpr int resume = 1004;
constexpr int topmost = 1005;
constexpr int zoom = 1006;
}  // namespace sysmenu

// The zoom item's text: the zoom, and away from 100 % that choosing it goes back there.
std::string zoomMenuText(int percent);

struct MainFormPorts {
  Editor& memo1;
  FormWindow& form;
  PhraseBoxView& phraseBox;
  MessageBoxes& ui;
  Files& files;
  FileDialogs& fileDialogs;
  FontColourDialogs& fontDialogs;
  ProgressDialog& progress;
  HistoryMenu& historyMenu;
  MainWindowFront& front;
  Profile& profile;
  Clipboard& clipboard;
  StatusBarView& statusBar;
  Clock& clock;
  SearchDialogs& searchDialogs;
  SearchWindow& searchWindow;
  HelpWindows& helpWindows;
  CountWindowView& countWindow;
  GoToLineDialog& goToLineDialog;
};

// Who asks the window to close: the user (the close box, Alt+F4, the system menu) or the end of
// the Windows session (log-off, shutdown), which the settings file must never hold up.
enum class CloseReason { User, SessionEnd };

// What the shell knows of the process before the window's logic exists.
struct StartupFacts {
  bool secondInstance = false;  // another instance held the named mutex at entry
  int screenPixelsPerInch = Font::designPixelsPerInch;  // points and pixels of fonts convert at this
  std::string settingsPath;
};

class MainForm {
 public:
  MainForm(const MainFormPorts& ports, const StartupFacts& facts);

  // The first showing: everything the user sees at start-up, in order.
  void FormShow(const std::string& commandLine);
  // "Initialise": what every start begins from before the settings file is read: the phrase keys
  // and default phrases, an empty history, the default size and colour, every bar shown.
  void syokika();
  // "Initialise the combo box": the phrase box after the settings file is read.
  void comboSyokika();
  // The window became active or went behind another (another program may have changed the file).
  void FormActivate(bool active);
  // The close request (also the session's end). True when the window may close.
  bool FormCloseQuery(CloseReason reason = CloseReason::User);
  // "System menu on/off": toggles the bar a system-menu command names, or staying on top; the
  // zoom item sets the zoom back to 100 %.
  void sysMenuOnOff(unsigned command);
  // Once the window shows: the texts instances no longer running left unsaved. The first instance
  // goes on with a text kept at a close that asked nothing, without asking.
  void offerRecovery() { recovery.offer(!state.secondInstance); }
  // The window stays above every other, or no longer; the system menu's item shows it.
  void setTopmost(bool on);
  // What the settings file gave, put in place: the bounds to the form, the phrases to the phrase
  // box, the history, next-open font and colour to the state, then that font to the editor.
  void applySettings(const SettingsValues& values);
  // What an accepted close writes to the settings file.
  SettingsValues settingsToWrite() const;
  // The right button on New starts another instance of the program.
  void tbtnNewMouseDown(MouseButton button);
  // A key pressed anywhere in the main window or a floating bar, before the control with the
  // focus sees it. True when it ran a command and must go no further.
  bool FormKeyDown(int key, ShiftState shift);

  // Runs one event handler; whatever it throws ends it and is shown in the general error box.
  template <class Handler>
  void dispatch(Handler&& handler) noexcept {
    try {
      handler();
      // Whatever the handler did, a document it left unmodified is safe.
      recovery.settled();
    } catch (const std::exception& e) {
      showError(e.what());
    } catch (...) {
      showError(texts::unexpectedError);
    }
  }
  void showError(const std::string& message) noexcept;

  WindowState state;
  Appearance appearance;
  Document document;
  FontButtons fonts;
  DocumentCommands commands;
  Settings settings;
  PhraseBox phrases;
  ClipboardCommands clipboard;
  QuoteMarkers quotes;
  ConversionCommands conversions;
  StatusBar statusBar;
  CountKeeper counts;
  Zoom zoom;
  GoToLine goToLine;
  FindReplace findReplace;
  HelpCommand help;
  RecoveryWiring recovery;

 private:
  // The settings file could not be written; true when the window may close all the same.
  bool closeWithoutSettings(const Error& failure, CloseReason reason);
  void runKeyCommand(KeyCommand command);
  void showZoom(int percent);

  MainFormPorts ports_;
  bool settingsWriteFailed_ = false;  // a close of this run has already failed on the settings file
};

}  // namespace kakipo
