// The Editor port over a rich-edit control (RICHEDIT50W). Converts between the control's positions
// (UTF-16 units, one per paragraph break) and offsets into the program's text (UTF-8, CR LF), and
// replaces a whole document by building a fresh control, since deleting a large text in place takes
// minutes; a bulk edit of a great many places in a document of one look does the same, keeping
// the document before it for its undo.
#pragma once
#include <windows.h>
#include <richedit.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/editor.h"
#include "win32/handles.h"
#include "win32/rich_edit_stream.h"

namespace kakipo::win32 {

// Sets a flag for as long as the scope lasts.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

class RichEditor : public Editor {
 public:
  // Creates the control as a child of parent with the given id; it is destroyed with this object,
  // or with its parent if that goes first. Throws Error when the control cannot be created.
  RichEditor(HWND parent, int id, int textLimit);
  RichEditor(const RichEditor&) = delete;
  RichEditor& operator=(const RichEditor&) = delete;

  HWND hwnd() const { return control_.get(); }

  std::string text() const override;
  int textLength() const override;
  void clear() override;
  int lineCount() const override;
  std::string line(int index) const override;
  void replaceLine(int index, const std::string& s) override;
  void insertLine(int index, const std::string& s) override;
  void beginUpdate() override;
  void endUpdate() override;
  int lineFromOffset(int offset) const override;
  int lineStart(int line) const override;
  int lineLength(int line) const override;
  CaretPos caret() const override;
  std::string caretLineHead() const override;
  std::string textRange(int start, int length) const override;

  int selStart() const override;
  void setSelStart(int offset) override;
  int selLength() const override;
  void setSelLength(int length) override;
  std::string selText() const override;
  void replaceSel(const std::string& s, bool canUndo = false) override;
  void selectAll() override;
  void deleteSelection() override;
  void undo() override;
  void redo() override;
  void cut() override;
  void copy() override;
  void paste() override;

  void scrollLines(int count) override;
  void scrollCaret() override;
  void scrollOneLine(bool down) override;
  int firstVisibleLine() const override;

  int find(const std::string& what, int start, int length, bool wholeWord, bool matchCase) const override;

  void loadText(const std::string& text, const Font* startFormat = nullptr,
                const std::function<bool()>& cancelled = {}) override;
  void loadRtf(const std::string& rtf, const Font* startFormat = nullptr,
               const std::function<bool()>& cancelled = {}) override;
  std::string rtf() const override;

  bool modified() const override;
  void setModified(bool on) override;

  Font defaultFormat() const override;
  void setDefaultFormat(const Font& font) override;
  Font selectionFormat() const override;
  void setSelectionFormat(const Font& font) override;

  Colour backgroundColour() const override { return background_; }
  void setBackgroundColour(Colour c) override;
  bool wordWrap() const override { return wordWrap_; }
  void setWordWrap(bool on) override;
  ScrollBars scrollBars() const override { return scrollBars_; }
  void setScrollBars(ScrollBars bars) override;
  int zoom() const override { return zoom_; }
  void setZoom(int percent) override;
  void setFocus() override;
  std::vector<int> findAll(const std::string& what, int start, bool matchCase) const override;
  void replaceRanges(const std::vector<TextEdit>& edits) override;

  // The whole text in the control's own units, read from the control only when it may have
  // changed since the last read.
  std::shared_ptr<const std::wstring> wideText() const;
 private:
  std::wstring wideRange(int cpFrom, int cpTo) const;
  // Everything read from the control goes: its text has changed, or may have.
  void forgetText() const {
    text_.reset();
    rangeEnd_.reset();
  }
  int cpFromByte(int offset) const;
  int byteFromCp(int cp) const;
  // Reads the content into a fresh control, which takes the place of the current one only once
  // all of it is in.
  void loadInto(const std::function<StreamResult(HWND)>& read, bool rtf, const Font* startFormat,
                const std::function<bool()>& cancelled);
  UniqueWindow makeControl(const RECT& rect, bool visible) const;
  void configure(HWND h, const CHARFORMAT2W* format) const;
  void adopt();
  void paintOver(HWND fresh) const;
  // Puts a configured control in the place of the current one and gives back that one, hidden.
  UniqueWindow swapIn(UniqueWindow fresh);
  // EN_CHANGE to the parent, as the control sends it.
  void tellChange() const;
  // Bulk edits (rich_editor_edits.cpp). The whole text with the edits made, in the control's units.
  void rebuild(const std::wstring& units, const CHARFORMAT2W& look, const PARAFORMAT2& paragraphs);
  // Whether an undo (or a redo) goes to the other side of the last rebuild now.
  bool crossesRebuild(bool undoing) const;
  // Shows the control on the other side of the last rebuild in place of the one showing, each
  // with the record of its own steps.
  void swapSides();
  void forgetRebuild();
  RECT placement() const;
  void recreate();
  void applyBackground(HWND h) const;
  void applyScrollBars(HWND h) const;
  static LRESULT CALLBACK watchProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR self);
  void streamIn(const void* data, std::size_t size, UINT format);
  // Undo (EM_UNDO) or redo (EM_REDO): the latest step we know of, a bulk edit's pieces together,
  // or one step of the control's own.
  void replay(UINT message);
  // An undoable edit of ours that took `controlSteps` of the control's steps; it ends what could
  // be redone.
  void madeSteps(int controlSteps);
  // The control's history holds steps we did not make, or none: undo and redo go one of its steps
  // at a time until we make another.
  void forgetSteps();
  // A left click at l (a WM_LBUTTONDOWN's position) inside the selection, where a drag begins.
  bool clickStartsDrag(LPARAM l) const;

  HWND parent_;
  int id_;
  int textLimit_;
  bool wordWrap_ = false;
  ScrollBars scrollBars_ = ScrollBars::Both;
  Colour background_ = clWindow;
  CHARFORMAT2W defaultFormat_{};
  bool haveDefaultFormat_ = false;
  int updateDepth_ = 0;
  DWORD savedEventMask_ = 0;
  int zoom_ = 100;
  mutable int undoLimit_ = 0;  // the steps the control keeps, as it said
  // The latest undo and redo steps we know of, latest last, each as many of the control's steps as
  // it takes: a bulk edit is one undo step per piece to the control (it groups none), so undo and
  // redo take its pieces together. Known are our own edits and what undo and redo moved; anything
  // else that touches the history makes us forget. The text's length when they were last right
  // tells of a drop the control was not told of.
  std::vector<int> undoSteps_;
  std::vector<int> redoSteps_;
  int lengthAtSteps_ = 0;
  bool ownUndoSteps_ = false;  // our own messages, which the record above accounts for
  // What the control told us last, kept while it handles only messages that leave its text (and,
  // for the caret, its line layout) alone: one command that converts offsets several times reads
  // the text once, and the status bar's tick on a standing caret costs nothing. Under Wine every
  // offset the control converts walks the document from its start.
  mutable std::shared_ptr<const std::wstring> text_;
  mutable int textLengthAt_ = 0;
  // Where the last textRange ended, as a byte offset and a control position, while the control
  // holds the same text (and length): the next range in order starts there without a walk from
  // the start of the document.
  struct Position {
    int bytes;
    LONG units;
    int lengthAt;
  };
  mutable std::optional<Position> rangeEnd_;
  mutable bool caretKnown_ = false;
  mutable LONG caretAt_ = 0;
  mutable CaretPos caret_;
  mutable std::string caretHead_;
  // The document on the other side of the last rebuild, hidden, with the record of its steps:
  // the one before it while the rebuilt one shows (an undo crosses back once the rebuilt one has
  // nothing of its own left to undo), the rebuilt one once an undo has crossed (a redo crosses
  // again). Either way only while the control showing holds the text it had when it was shown:
  // anything else in between would be lost. A load or a new document lets it go.
  UniqueWindow otherSide_;
  bool otherIsBefore_ = false;
  int otherZoom_ = 100;  // its view as it was last set
  bool otherWordWrap_ = false;
  std::vector<int> otherUndoSteps_;
  std::vector<int> otherRedoSteps_;
  std::shared_ptr<const std::wstring> textAtSwap_;
  // Last, so that it goes first: while the control is destroyed, its watch still reads the fields
  // above.
  UniqueWindow control_;
};

}  // namespace kakipo::win32
