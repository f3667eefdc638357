// The document editor as the logic sees it. Its text is the program's text (UTF-8, core/utf.h) with
// CR LF line breaks, every character exactly as the user sees it; every position is a byte offset
// into that text, lines 0-based. A position the editor gives is never inside a character (the four
// bytes of a surrogate pair, the CR LF of a line break); one given to it that is moves to that
// character's end. The Win32 adapter maps this onto a rich-edit control; tests use an in-memory
// editor that keeps the same rules.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/colour.h"
#include "core/font.h"

namespace kakipo {

struct CaretPos {
  int line = 0;
  int column = 0;  // bytes of the line before the caret
  friend bool operator==(const CaretPos&, const CaretPos&) = default;
};

enum class ScrollBars { None = 0, Horizontal = 1, Vertical = 2, Both = 3 };

// One replacement of a bulk edit: `length` bytes at `start` become `text`.
struct TextEdit {
  int start = 0;
  int length = 0;
  std::string text;
  friend bool operator==(const TextEdit&, const TextEdit&) = default;
};

class Editor {
 public:
  virtual ~Editor() = default;

  // Text and lines.
  virtual std::string text() const = 0;
  virtual int textLength() const = 0;
  virtual void clear() = 0;
  virtual int lineCount() const = 0;
  virtual std::string line(int index) const = 0;  // without its line break
  virtual void replaceLine(int index, const std::string& s) = 0;
  // Inserts s as a new line before line `index` (index == lineCount() appends); line breaks in s
  // make several lines.
  virtual void insertLine(int index, const std::string& s) = 0;
  // Bulk changes between these two are not redrawn one by one. Calls nest.
  virtual void beginUpdate() = 0;
  virtual void endUpdate() = 0;
  virtual int lineFromOffset(int offset) const = 0;
  virtual int lineStart(int line) const = 0;
  virtual int lineLength(int line) const = 0;  // bytes, without the line break
  // The line holding the selection's end, and that end less the line's start.
  virtual CaretPos caret() const = 0;
  // The caret's line up to the caret (the status bar measures it); costs that line, not the
  // document.
  virtual std::string caretLineHead() const = 0;
  // The text from `start` for `length` bytes, both ends moved to a character's end as any position
  // given is, and stopping at the end of the text. Reading a text in order, each range starting
  // where the last one ended, costs each range alone, not the document up to it.
  virtual std::string textRange(int start, int length) const = 0;

  // Selection.
  virtual int selStart() const = 0;
  virtual void setSelStart(int offset) = 0;  // collapses the selection there
  virtual int selLength() const = 0;
  virtual void setSelLength(int length) = 0;  // also scrolls the caret into view
  virtual std::string selText() const = 0;
  // With an empty selection this inserts at the caret. Not an undoable step unless asked; one
  // that is not empties the undo and redo history, whose steps would no longer fit the text.
  virtual void replaceSel(const std::string& s, bool canUndo = false) = 0;
  virtual void selectAll() = 0;
  virtual void deleteSelection() = 0;
  // Undo takes back the latest of at least 100 undoable steps (typing, the editor's own cut,
  // paste and delete, insertLine, replaceRanges), redo brings back the latest one undone; any new
  // step ends what can be redone.
  virtual void undo() = 0;
  virtual void redo() = 0;
  virtual void cut() = 0;
  virtual void copy() = 0;
  virtual void paste() = 0;

  // Scrolling.
  virtual void scrollLines(int count) = 0;
  virtual void scrollCaret() = 0;
  virtual void scrollOneLine(bool down) = 0;
  virtual int firstVisibleLine() const = 0;

  // Forward search of `what` in [start, start + length); a range past the end stops at the end.
  // Returns the offset of the first match or -1. Without matchCase, letters match in either case.
  virtual int find(const std::string& what, int start, int length, bool wholeWord,
                   bool matchCase) const = 0;

  // Replaces the whole document: with a plain text (line breaks CR LF, CR or LF), or with an RTF
  // stream. The new document starts from startFormat as its default text format (the current
  // default when none is given) and ends unmodified; cancelled is asked between the pieces of the
  // read. When the content cannot be taken whole (RTF the control refuses, more than it holds, a
  // cancel: Error, DocumentTooLarge, LoadCancelled), the editor is exactly as it was: text, formats,
  // caret, scroll position and modified flag. A user who asked to open another file never loses
  // the one that is open.
  virtual void loadText(const std::string& text, const Font* startFormat = nullptr,
                        const std::function<bool()>& cancelled = {}) = 0;
  virtual void loadRtf(const std::string& rtf, const Font* startFormat = nullptr,
                       const std::function<bool()>& cancelled = {}) = 0;
  // The document as RTF, formats and all.
  virtual std::string rtf() const = 0;

  virtual bool modified() const = 0;
  virtual void setModified(bool on) = 0;

  virtual Font defaultFormat() const = 0;
  virtual void setDefaultFormat(const Font& font) = 0;
  virtual Font selectionFormat() const = 0;
  virtual void setSelectionFormat(const Font& font) = 0;

  virtual Colour backgroundColour() const = 0;
  virtual void setBackgroundColour(Colour c) = 0;
  virtual bool wordWrap() const = 0;
  virtual void setWordWrap(bool on) = 0;
  virtual ScrollBars scrollBars() const = 0;
  virtual void setScrollBars(ScrollBars bars) = 0;
  // How large the text is shown, in percent of its fonts' own size; the fonts themselves, and so
  // what is saved, stay as they are. Kept by every document the editor loads.
  virtual int zoom() const = 0;
  virtual void setZoom(int percent) = 0;
  virtual void setFocus() = 0;

  // Bulk operations for Replace All and the quote markers. The default findAll is built from
  // find(); an adapter whose offset conversions are costly overrides it so that the whole
  // operation costs one pass over the text instead of one per occurrence.
  //
  // Offsets of the successive non-overlapping matches of `what` from `start` to the end, each
  // found as find() would find it from the end of the previous one (no whole-word option).
  virtual std::vector<int> findAll(const std::string& what, int start, bool matchCase) const;
  // Applies non-overlapping edits given in increasing order, their offsets taken in the text
  // before any of them, as one update and one undoable step; more pieces than the editor can
  // keep undo steps (1000 under Wine) are applied without one, emptying the history. The
  // selection afterwards is unspecified; the caller sets it.
  virtual void replaceRanges(const std::vector<TextEdit>& edits) = 0;
};

// Ends a bulk update however the scope is left.
class UpdateScope {
 public:
  explicit UpdateScope(Editor& e) : e_(e) { e_.beginUpdate(); }
  ~UpdateScope() { e_.endUpdate(); }
  UpdateScope(const UpdateScope&) = delete;
  UpdateScope& operator=(const UpdateScope&) = delete;

 private:
  Editor& e_;
};

}  // namespace kakipo
