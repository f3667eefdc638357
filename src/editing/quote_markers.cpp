#include "editing/quote_markers.h"

#include <algorithm>
#include <vector>

#include "core/utf.h"
#include "editing/editing_texts.h"

namespace kakipo {

namespace {
constexpr char marker = '>';
}

int characterStartAtOrBefore(const Editor& editor, int offset) {
  offset = std::clamp(offset, 0, editor.textLength());
  const int line = editor.lineFromOffset(offset);
  const int start = editor.lineStart(line);
  const std::string text = editor.line(line);
  const int column = offset - start;
  if (column >= static_cast<int>(text.size())) return start + std::min<int>(column, text.size());
  std::size_t at = utf::codePointStart(text, static_cast<std::size_t>(column));
  // Nor between a character and the variation selectors that go with it.
  while (at > 0 && utf::isVariationSelector(utf::decode(text, at).c)) at = utf::codePointStart(text, at - 1);
  return start + static_cast<int>(at);
}

void QuoteMarkers::inyofIn() { run(Direction::In); }
void QuoteMarkers::inyofOut() { run(Direction::Out); }

void QuoteMarkers::run(Direction direction) {
  const bool in = direction == Direction::In;
  const std::string& caption = in ? texts::quoteInCaption : texts::quoteOutCaption;
  // The marker belongs at the start of a hard line; with wrap on the user cannot see where those
  // start, so the command refuses rather than surprise.
  if (memo1_.wordWrap()) {
    ui_.messageBox(texts::quoteWrapOn, caption, mb::ok | mb::iconWarning);
    return;
  }
  if (memo1_.selLength() == 0) {
    if (in)
      ui_.messageBox(texts::quoteInNoSelection, caption, mb::ok | mb::iconInformation);
    else
      ui_.messageBox(texts::quoteOutNoSelection, caption, mb::ok | mb::iconWarning);
    return;
  }

  const int first = memo1_.lineFromOffset(memo1_.selStart());
  const int end = memo1_.selStart() + memo1_.selLength();
  memo1_.setSelStart(end);
  const int last = memo1_.lineFromOffset(end);
  {
    UpdateScope update(memo1_);
    // Only the markers themselves are edited, never the rest of a line: the text keeps its
    // formats, and the control pays per character changed rather than per line.
    // The lines come from one read of the whole text: asking the editor for each line in turn
    // costs the control a walk over the document per line.
    const std::string all = memo1_.text();
    std::vector<TextEdit> edits;
    std::size_t lineAt = static_cast<std::size_t>(memo1_.lineStart(first));
    for (int i = first; i <= last && lineAt <= all.size(); ++i) {
      const std::size_t lineEnd = std::min(all.find("\r\n", lineAt), all.size());
      if (in)
        edits.push_back({static_cast<int>(lineAt), 0, std::string(1, marker)});
      else if (lineEnd > lineAt && all[lineAt] == marker)
        edits.push_back({static_cast<int>(lineAt), 1, {}});
      lineAt = lineEnd + 2;
    }
    memo1_.replaceRanges(edits);
    // The caret keeps its number, not its place in the text; it must still not split a
    // character once the markers have shifted the text under it.
    memo1_.setSelStart(characterStartAtOrBefore(memo1_, end));
  }
  memo1_.setFocus();
}

}  // namespace kakipo
