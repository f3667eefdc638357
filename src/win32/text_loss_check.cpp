#include "win32/text_loss_check.h"

#include "documents/text_loss.h"
#include "win32/encoding.h"

namespace kakipo::win32 {

std::vector<LostCharacter> EditorTextLoss::charactersLostAsCp932() const {
  // The text read here is the one a plain-text save takes next, without reading it again.
  const auto text = editor_.wideText();
  return lostCharacters(asUtf16(*text), [](char16_t u) { return representableInCp932(static_cast<wchar_t>(u)); });
}

}  // namespace kakipo::win32
