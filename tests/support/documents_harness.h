// The document commands with every port faked but the editor and the files, which the test
// chooses: the in-memory editor and fake disk natively, the rich-edit control and real files
// under Wine. The state is the one a fresh window starts in.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "documents/document_commands.h"
#include "editing/appearance.h"
#include "support/editing_fakes.h"
#include "support/fake_document_ports.h"
#include "support/fake_form.h"
#include "support/fake_progress.h"
#include "support/scripted_ui.h"

namespace kakipo::test {

template <class EditorT, class FilesT>
struct DocumentsHarness : ::testing::Test {
  template <class... EditorArgs>
  explicit DocumentsHarness(EditorArgs&&... editorArgs) : memo1(std::forward<EditorArgs>(editorArgs)...) {
    state.history.fill(emptySlot);
    document.fileSinki();
  }

  void typeText(const std::string& s) { memo1.replaceSel(s, true); }

  WindowState state;
  EditorT memo1;
  FakeForm form;
  ScriptedMessageBoxes ui;
  FilesT files;
  FakeFileDialogs dialogs;
  RecordingProgressDialog progress;
  FakeHistoryMenu historyMenu;
  FakeFront front;
  FakeClock clock;
  std::vector<std::string> notices;
  Appearance appearance{state, memo1, form};
  Document document{memo1, form, appearance};
  DocumentCommands commands{state, document, appearance,
                            {memo1, ui, files, dialogs, progress, historyMenu, front, clock,
                             [this](const std::string& text) { notices.push_back(text); }}};
};

}  // namespace kakipo::test
