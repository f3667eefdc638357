// The TextLossCheck port over the document editor: its own text, scanned with code page 932's
// table.
#pragma once
#include "documents/document_ports.h"
#include "win32/rich_editor.h"

namespace kakipo::win32 {

class EditorTextLoss : public TextLossCheck {
 public:
  explicit EditorTextLoss(const RichEditor& editor) : editor_(editor) {}
  std::vector<LostCharacter> charactersLostAsCp932() const override;

 private:
  const RichEditor& editor_;
};

}  // namespace kakipo::win32
