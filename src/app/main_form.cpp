#include "app/main_form.h"

#include <cstdio>
#include <vector>

#include "app/app_texts.h"
#include "app/command_line.h"
#include "app/error_report.h"
#include "core/display_scale.h"
#include "documents/document_texts.h"

namespace kakipo {

MainForm::MainForm(const MainFormPorts& ports, const StartupFacts& facts)
    : appearance(state, ports.memo1, ports.form),
      document(ports.memo1, ports.form, appearance),
      fonts(state, ports.memo1, ports.ui, ports.fontDialogs),
      commands(state, document, appearance,
               {ports.memo1, ports.ui, ports.files, ports.fileDialogs, ports.progress, ports.historyMenu,
                ports.front, ports.clock, [this](const std::string& text) { statusBar.showNotice(text); }}),
      settings(state, ports.profile, facts.settingsPath),
      phrases(state, ports.memo1, ports.phraseBox),
      clipboard(ports.memo1, ports.ui, ports.progress, ports.clipboard),
      quotes(ports.memo1, ports.ui),
      conversions(ports.memo1, ports.ui, ports.progress),
      statusBar(ports.memo1, ports.statusBar, ports.clock, [this] { return encodingText(document); }),
      counts(ports.memo1, ports.statusBar, ports.countWindow, ports.clock),
      zoom(ports.memo1, [this](int percent) { showZoom(percent); }),
      goToLine(ports.memo1, ports.goToLineDialog),
      findReplace(ports.memo1, ports.ui, ports.searchDialogs, ports.searchWindow),
      help(ports.helpWindows),
      recovery({ports.memo1, document, appearance, ports.ui, ports.clock}),
      ports_(ports) {
  state.secondInstance = facts.secondInstance;
  state.nextOpenFont = Font(facts.screenPixelsPerInch);
}

void MainForm::FormShow(const std::string& commandLine) {
  auto& form = ports_.form;
  form.appendSystemMenuItem(sysmenu::separator, "");
  form.appendSystemMenuItem(sysmenu::toolBar, texts::sysMenuToolBar);
  form.appendSystemMenuItem(sysmenu::phraseBox, texts::sysMenuPhraseBox);
  form.appendSystemMenuItem(sysmenu::statusBar, texts::sysMenuStatusBar);
  form.appendSystemMenuItem(sysmenu::resume, texts::sysMenuResume);
  form.appendSystemMenuItem(sysmenu::topmost, texts::sysMenuTopmost);
  form.appendSystemMenuItem(sysmenu::zoom, zoomMenuText(zoom.percent()));
  syokika();
  document.fileSinki();
  applySettings(settings.inifileyomu());
  zoom.show();
  ports_.memo1.setBackgroundColour(state.backColour);
  comboSyokika();
  const std::string name = startupFileName(commandLine);
  if (!name.empty()) {
    // The name stays current even when the load fails or is declined.
    document.fnameSet(name);
    commands.fileYomikomi(name);
  }
  form.acceptDroppedFiles();
  ports_.memo1.setFocus();
}

void MainForm::syokika() {
  for (int i = 0; i < phraseCount; ++i) state.phraseKeys[i] = "items" + std::to_string(i);
  state.defaultPhrases = texts::defaultPhrases;
  state.history.fill(emptySlot);
  const Rect size = Scale(ports_.form.dpi())(defaultFormBounds);
  ports_.form.setBounds({ports_.form.bounds().left, ports_.form.bounds().top, size.width, size.height});
  state.backColour = clWindow;
  ports_.form.setBarVisible(Bar::StatusBar, true);
  ports_.form.setBarVisible(Bar::ToolBar, true);
  ports_.form.setBarVisible(Bar::PhraseBox, true);
  ports_.phraseBox.setItems(std::vector<std::string>(state.defaultPhrases.begin(), state.defaultPhrases.end()));
}

void MainForm::comboSyokika() { phrases.comboSyokika(); }

void MainForm::FormActivate(bool active) {
  if (active)
    commands.checkFile();
  else
    commands.windowDeactivated();
}

bool MainForm::FormCloseQuery(CloseReason reason) {
  // A question about the file still open must not hold the close up, nor act after it.
  commands.closing();
  // The help viewer goes even when the close is then refused.
  ports_.helpWindows.releaseHelpViewer();
  state.backColour = ports_.memo1.backgroundColour();
  // With the user's leave, unsaved text waits for the next start instead of a question that may
  // find nobody to answer it (a restart at night); asked after all when it cannot be kept.
  const bool kept = state.resumeAtClose && ports_.memo1.modified() && recovery.keepForNextStart();
  if (!kept && !commands.ifHenkoSave()) return false;
  try {
    settings.inifilekaku(settingsToWrite());
  } catch (const Error& e) {
    return closeWithoutSettings(e, reason);
  }
  settingsWriteFailed_ = false;
  return true;
}

// The first failure keeps the window, so the user can mend the cause (a file another program
// holds, a full disk) and close again. A folder that cannot be written for good must not trap the
// user, so from the second failure on the user may close without the settings; the keys written
// before the failing one stay, the rest are not written. The end of the session never waits for
// the settings file.
bool MainForm::closeWithoutSettings(const Error& failure, CloseReason reason) {
  if (reason == CloseReason::SessionEnd) return true;
  showError(failure.what());
  if (!settingsWriteFailed_) {
    settingsWriteFailed_ = true;
    return false;
  }
  return ports_.ui.messageBox(settings.path() + texts::nameBreak + texts::closeWithoutSettingsQuestion,
                              texts::closeWithoutSettingsCaption,
                              mb::yesNo | mb::iconQuestion | mb::defButton2) == mb::idYes;
}

void MainForm::applySettings(const SettingsValues& values) {
  const Scale px(ports_.form.dpi());
  const Rect& r = values.bounds;
  ports_.form.setBounds({r.left, r.top, px(r.width), px(r.height)});
  ports_.phraseBox.setItems(values.phrases);
  state.history = values.history;
  state.nextOpenFont = values.nextOpenFont;
  state.backColour = values.backColour;
  state.resumeAtClose = values.resumeAtClose;
  ports_.form.setSystemMenuItem(sysmenu::resume, texts::sysMenuResume, state.resumeAtClose, true);
  appearance.applyNextOpenFont();
  setTopmost(values.topmost);
  document.newDocumentEncoding = values.newDocumentEncoding;
  // The untitled document start-up made before the settings were read starts in it too.
  if (document.path().empty()) document.encoding = values.newDocumentEncoding;
}

SettingsValues MainForm::settingsToWrite() const {
  const Scale px(ports_.form.dpi());
  const Rect r = ports_.form.bounds();
  return {{r.left, r.top, px.toDesign(r.width), px.toDesign(r.height)},
          ports_.phraseBox.items(),
          state.history,
          state.nextOpenFont,
          state.backColour,
          state.resumeAtClose,
          state.topmost,
          document.newDocumentEncoding};
}

void MainForm::sysMenuOnOff(unsigned command) {
  const auto toggle = [this](Bar bar) { ports_.form.setBarVisible(bar, !ports_.form.barVisible(bar)); };
  switch (command) {
    case sysmenu::toolBar: toggle(Bar::ToolBar); break;
    case sysmenu::phraseBox: toggle(Bar::PhraseBox); break;
    case sysmenu::statusBar: toggle(Bar::StatusBar); break;
    case sysmenu::resume:
      state.resumeAtClose = !state.resumeAtClose;
      ports_.form.setSystemMenuItem(sysmenu::resume, texts::sysMenuResume, state.resumeAtClose, true);
      break;
    case sysmenu::topmost: setTopmost(!state.topmost); break;
    case sysmenu::zoom: zoom.reset(); break;
    default: break;
  }
}

void MainForm::setTopmost(bool on) {
  state.topmost = on;
  ports_.form.setTopmost(on);
  ports_.form.setSystemMenuItem(sysmenu::topmost, texts::sysMenuTopmost, on, true);
}

std::string zoomMenuText(int percent) {
  char text[96];
  std::snprintf(text, sizeof text, (percent == normalZoom ? texts::sysMenuZoomNormal : texts::sysMenuZoomReset).c_str(),
                percent);
  return text;
}

void MainForm::showZoom(int percent) {
  ports_.statusBar.setPanelText(zoomPanel, zoomText(percent));
  // At 100 % there is nothing to go back to.
  ports_.form.setSystemMenuItem(sysmenu::zoom, zoomMenuText(percent), false, percent != normalZoom);
}

void MainForm::tbtnNewMouseDown(MouseButton button) {
  if (button == MouseButton::Right) ports_.form.startAnotherInstance();
}

bool MainForm::FormKeyDown(int key, ShiftState shift) {
  const auto command = keyCommandOf(key, shift);
  if (command) runKeyCommand(*command);
  return command.has_value();
}

void MainForm::runKeyCommand(KeyCommand command) {
  switch (command) {
    case KeyCommand::New: commands.tbtnNewClick(); break;
    case KeyCommand::AnotherInstance: tbtnNewMouseDown(MouseButton::Right); break;
    case KeyCommand::Open: commands.tbtnOpenClick(); break;
    case KeyCommand::OverwriteSave: commands.tbtnUwagakiClick(); break;
    case KeyCommand::SaveAs: commands.tbtnSaveClick(); break;
    case KeyCommand::Find: findReplace.tbtnFindClick(); break;
    case KeyCommand::Replace: findReplace.tbtnTikanClick(); break;
    case KeyCommand::FindNext: findReplace.findAgain(true); break;
    case KeyCommand::FindPrevious: findReplace.findAgain(false); break;
    case KeyCommand::Help: help.showHelp(); break;
    case KeyCommand::CountWindow: counts.toggleCountWindow(); break;
    case KeyCommand::GoToLine: goToLine.run(); break;
    case KeyCommand::ZoomIn: zoom.zoomIn(); break;
    case KeyCommand::ZoomOut: zoom.zoomOut(); break;
    case KeyCommand::ZoomReset: zoom.reset(); break;
  }
}

void MainForm::showError(const std::string& message) noexcept {
  try {
    reportError(ports_.ui, ports_.form.caption(), message);
  } catch (...) {
    // Nothing more can be shown; the program goes on.
  }
}

}  // namespace kakipo
