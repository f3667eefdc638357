// The main window's logic with every port faked, for tests that drive whole sequences.
#pragma once
#include <string>

#include "app/main_form.h"
#include "support/editing_fakes.h"
#include "support/fake_document_ports.h"
#include "support/fake_files.h"
#include "support/fake_font_dialogs.h"
#include "support/fake_form.h"
#include "support/fake_help_windows.h"
#include "support/fake_profile.h"
#include "support/fake_search_dialogs.h"
#include "support/memory_editor.h"
#include "support/scripted_ui.h"

namespace kakipo::test {

inline const std::string harnessIniPath = "C:\\kakipo\\kakipo.ini";

struct MainFormHarness {
  // Several harnesses may share one settings file, as instances of the program do.
  explicit MainFormHarness(FakeProfile* sharedProfile = nullptr)
      : profile(sharedProfile ? *sharedProfile : ownProfile) {}

  MemoryEditor memo1;
  FakeForm form;
  FakePhraseBox phrases;
  ScriptedMessageBoxes ui;
  FakeFiles files;
  FakeFileDialogs fileDialogs;
  FakeFontColourDialogs fontDialogs;
  RecordingProgressDialog progress;
  FakeHistoryMenu historyMenu;
  FakeFront front;
  FakeProfile ownProfile;
  FakeProfile& profile;
  FakeClipboard clipboard;
  FakeStatusBar statusBar;
  FakeClock clock;
  FakeSearchDialogs searchDialogs;
  FakeSearchWindow searchWindow;
  FakeHelpWindows helpWindows;
  FakeCountWindow countWindow;
  FakeGoToLineDialog goToLineDialog;
  MainForm main{{memo1, form, phrases, ui, files, fileDialogs, fontDialogs, progress, historyMenu, front,
                 profile, clipboard, statusBar, clock, searchDialogs, searchWindow, helpWindows, countWindow,
                 goToLineDialog},
                {false, Font::designPixelsPerInch, harnessIniPath}};
};

}  // namespace kakipo::test
