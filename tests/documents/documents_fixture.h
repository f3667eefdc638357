// Everything the document commands talk to, faked, with the state a fresh window starts in.
#pragma once
#include "core/errors.h"
#include "support/documents_harness.h"
#include "support/fake_files.h"
#include "support/memory_editor.h"

namespace kakipo::test {

// An editor with a text limit, like the control's.
class LimitedEditor : public MemoryEditor {
 public:
  void loadText(const std::string& text, const Font* startFormat = nullptr,
                const std::function<bool()>& cancelled = {}) override {
    if (text.size() > capacity) throw DocumentTooLarge("too large");
    MemoryEditor::loadText(text, startFormat, cancelled);
  }
  void loadRtf(const std::string& rtf, const Font* startFormat = nullptr,
               const std::function<bool()>& cancelled = {}) override {
    if (rtf.size() > capacity) throw DocumentTooLarge("too large");
    MemoryEditor::loadRtf(rtf, startFormat, cancelled);
  }
  std::size_t capacity = static_cast<std::size_t>(-1);
};

struct DocumentsTest : DocumentsHarness<LimitedEditor, FakeFiles> {
  // A file that exists on the fake disk.
  void put(const std::string& path, const std::string& bytes) { files.files[path] = bytes; }
};

inline const std::string rtfOf(const std::string& text) { return "{\\rtf1 " + text + "}"; }

}  // namespace kakipo::test
