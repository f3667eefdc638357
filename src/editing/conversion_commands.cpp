#include "editing/conversion_commands.h"

#include <optional>

#include "editing/clipboard_commands.h"
#include "editing/editing_texts.h"

namespace kakipo {

void ConversionCommands::henkan(Conversion conversion) {
  const int start = memo1_.selStart();
  const int length = memo1_.selLength();
  if (length == 0) {
    ui_.messageBox(texts::henkanNoSelection, texts::henkanCaption, mb::ok | mb::iconInformation);
    return;
  }
  std::vector<TextEdit> edits = conversionEdits(conversion, memo1_.selText());
  int converted = length;
  for (auto& e : edits) {
    e.start += start;
    converted += static_cast<int>(e.text.size()) - e.length;
  }
  if (!edits.empty()) {
    UpdateScope update(memo1_);
    // A selection the size of a large paste takes the control about as long as the paste.
    std::optional<ProgressScope> dialog;
    if (static_cast<std::size_t>(length) >= largePasteBytes) dialog.emplace(progress_, false, texts::henkanProgress);
    memo1_.replaceRanges(edits);
    dialog.reset();
    memo1_.setSelStart(start);
    memo1_.setSelLength(converted);
  }
  memo1_.setFocus();
}

}  // namespace kakipo
