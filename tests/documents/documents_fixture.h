// Everything the document commands talk to, faked, with the state a fresh window starts in.
#pragma once
#include <gtest/gtest.h>

#include "core/errors.h"
#include "documents/document_commands.h"
#include "editing/appearance.h"
#include "support/cp932_control_model.h"
#include "support/fake_document_ports.h"
#include "support/fake_files.h"
#include "support/fake_form.h"
#include "support/memory_editor.h"
#include "support/scripted_ui.h"

namespace kakipo::test {

// An editor with a text limit, like the control's, and optionally the control's losses on a
// plain-text load.
class LimitedEditor : public MemoryEditor {
 public:
  void load(const std::string& stream) override {
    if (stream.size() > capacity) {
      clear();
      throw DocumentTooLarge("too large");
    }
    MemoryEditor::load(plainText() && likeTheControl ? controlRendition(stream) : stream);
  }
  std::size_t capacity = static_cast<std::size_t>(-1);
  bool likeTheControl = false;
};

struct DocumentsTest : ::testing::Test {
  DocumentsTest() {
    state.history.fill(emptySlot);
    document.fileSinki();
  }

  // A file that exists on the fake disk.
  void put(const std::string& path, const std::string& bytes) { files.files[path] = bytes; }
  void typeText(const std::string& s) { memo1.replaceSel(s, true); }

  WindowState state;
  LimitedEditor memo1;
  FakeForm form;
  ScriptedMessageBoxes ui;
  FakeFiles files;
  FakeFileDialogs dialogs;
  FakeProgressDialog progress;
  FakeHistoryMenu historyMenu;
  FakeFront front;
  FakeTextLoss loss;
  Appearance appearance{state, memo1, form};
  CurrentDocument document{state, memo1, form, appearance};
  DocumentCommands commands{state, document, appearance,
                            {memo1, ui, files, dialogs, progress, historyMenu, front, loss}};
};

inline const std::string rtfOf(const std::string& text) { return "{\\rtf1 " + text + "}"; }

}  // namespace kakipo::test
