// Everything the document commands talk to, faked, with the state a fresh window starts in.
#pragma once
#include "core/errors.h"
#include "support/cp932_control_model.h"
#include "support/documents_harness.h"
#include "support/fake_files.h"
#include "support/memory_editor.h"

namespace kakipo::test {

// An editor with a text limit, like the control's, and optionally the control's losses on a
// plain-text load.
class LimitedEditor : public MemoryEditor {
 public:
  void load(const std::string& stream, const Font* startFormat = nullptr,
            const std::function<bool()>& cancelled = {}) override {
    if (stream.size() > capacity) throw DocumentTooLarge("too large");
    const bool cp932 = plainText() && encoding() == TextEncoding::ShiftJis;
    MemoryEditor::load(cp932 && likeTheControl ? controlRendition(stream) : stream, startFormat, cancelled);
  }
  std::size_t capacity = static_cast<std::size_t>(-1);
  bool likeTheControl = false;

 protected:
  std::u16string decodeUnicode(const std::string& stream) const override {
    const std::u16string units = MemoryEditor::decodeUnicode(stream);
    return likeTheControl ? controlParagraphs(units) : units;
  }
};

struct DocumentsTest : DocumentsHarness<LimitedEditor, FakeFiles> {
  // A file that exists on the fake disk.
  void put(const std::string& path, const std::string& bytes) { files.files[path] = bytes; }
};

inline const std::string rtfOf(const std::string& text) { return "{\\rtf1 " + text + "}"; }

}  // namespace kakipo::test
