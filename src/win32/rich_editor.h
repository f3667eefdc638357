// The Editor port over a rich-edit control (RICHEDIT50W). Converts between the control's positions
// (UTF-16 units, one per paragraph break) and offsets into the program's text (UTF-8, CR LF), and
// replaces a whole document by building a fresh control, since deleting a large text in place takes
// minutes; a bulk edit of a great many places in a document of one look does the same, keeping
// the document before it for its undo.
#pragma once
#include <windows.h>
#include <richedit.h>

#include <memory>
#include <string>

#include "core/editor.h"
#include "win32/handles.h"

namespace kakipo::win32 {

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

  int selStart() const override;
  void setSelStart(int offset) override;
  int selLength() const override;
  void setSelLength(int length) override;
  std::string selText() const override;
  void replaceSel(const std::string& s, bool canUndo = false) override;
  void selectAll() override;
  void deleteSelection() override;
  void undo() override;
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
  void setFocus() override;
  std::vector<int> findAll(const std::string& what, int start, bool matchCase) const override;
  void replaceRanges(const std::vector<TextEdit>& edits) override;

  // The whole text in the control's own units, read from the control only when it may have
  // changed since the last read.
  std::shared_ptr<const std::wstring> wideText() const;
 private:
  std::wstring wideRange(int cpFrom, int cpTo) const;
  int cpFromByte(int offset) const;
  int byteFromCp(int cp) const;
  // Reads the content into a fresh control, which takes the place of the current one only once
  // all of it is in.
  void loadInto(const void* data, std::size_t size, UINT format, const Font* startFormat,
                const std::function<bool()>& cancelled);
  UniqueWindow makeControl(const RECT& rect, bool visible) const;
  void configure(HWND h, const CHARFORMAT2W* format) const;
  void adopt();
  // Puts a configured control in the place of the current one and gives back that one, hidden.
  UniqueWindow swapIn(UniqueWindow fresh);
  // Bulk edits (rich_editor_edits.cpp). The whole text with the edits made, in the control's units.
  void rebuild(const std::wstring& units, const CHARFORMAT2W& look, const PARAFORMAT2& paragraphs);
  // Undo of the last rebuild, when it is the next step back; false leaves the undo to the control.
  bool undoRebuild();
  void forgetRebuild();
  RECT placement() const;
  void recreate();
  void applyBackground(HWND h) const;
  void applyScrollBars(HWND h) const;
  static LRESULT CALLBACK watchProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR self);
  void streamIn(const void* data, std::size_t size, UINT format);

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
  // What the control told us last, kept while it handles only messages that leave its text (and,
  // for the caret, its line layout) alone: one command that converts offsets several times reads
  // the text once, and the status bar's tick on a standing caret costs nothing. Under Wine every
  // offset the control converts walks the document from its start.
  mutable std::shared_ptr<const std::wstring> text_;
  mutable int textLengthAt_ = 0;
  mutable bool caretKnown_ = false;
  mutable LONG caretAt_ = 0;
  mutable CaretPos caret_;
  mutable std::string caretHead_;
  // The control as it was before the last rebuild, hidden, and the text the rebuild left in the
  // new one: an undo brings the old one back while the new one has nothing of its own to undo and
  // still holds that text. Any other change of document lets it go.
  std::shared_ptr<const std::wstring> rebuiltText_;
  UniqueWindow beforeRebuild_;
  // A rebuilt control that an undo gave up inside one of its own messages; destroyed right after.
  UniqueWindow discarded_;
  // Last, so that it goes first: while the control is destroyed, its watch still reads the fields
  // above.
  UniqueWindow control_;
};

}  // namespace kakipo::win32
