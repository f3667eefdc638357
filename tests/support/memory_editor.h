// An in-memory editor that keeps the rules of the Editor port, for native tests. The typed
// contract suite runs against it and against the rich-edit adapter, which keeps it honest. It
// holds the logic's CP932 bytes, and beside each byte that stands in for a UTF-16 unit CP932
// cannot hold, that unit; a CP932 table tells which units those are.
#pragma once
#include <string>
#include <vector>

#include "core/editor.h"

namespace kakipo::test {

class MemoryEditor : public Editor {
 public:
  // Lines the view shows at once; scrolling the caret into view uses it.
  static constexpr int visibleLines = 20;

  std::string text() const override { return text_; }
  std::string searchText() const override;
  int textLength() const override { return static_cast<int>(text_.size()); }
  void clear() override;
  int lineCount() const override;
  std::string line(int index) const override;
  void replaceLine(int index, const std::string& s) override;
  void insertLine(int index, const std::string& s) override;
  void beginUpdate() override { ++updateDepth; }
  void endUpdate() override { --updateDepth; }
  int lineFromOffset(int offset) const override;
  int lineStart(int line) const override;
  int lineLength(int line) const override;
  CaretPos caret() const override;

  int selStart() const override { return selStart_; }
  void setSelStart(int offset) override;
  int selLength() const override { return selLength_; }
  void setSelLength(int length) override;
  std::string selText() const override { return text_.substr(selStart_, selLength_); }
  void replaceSel(const std::string& s, bool canUndo = false) override;
  void replaceSelUtf8(const std::string& s, bool canUndo = false) override;
  void insertLineUtf8(int index, const std::string& s) override;
  void selectAll() override;
  void deleteSelection() override { replaceSel("", true); }
  void undo() override;
  void cut() override;
  void copy() override;
  void paste() override { replaceSel(clipboard, true); }

  void scrollLines(int count) override;
  void scrollCaret() override;
  void scrollOneLine(bool down) override { scrollLines(down ? 1 : -1); }
  int firstVisibleLine() const override { return firstVisible_; }

  int find(const std::string& what, int start, int length, bool wholeWord,
           bool matchCase) const override;
  int findUtf8(const std::string& what, int start, int length, bool matchCase, bool down) const override;
  std::vector<int> findAllUtf8(const std::string& what, int start, bool matchCase) const override;

  bool plainText() const override { return plainText_; }
  void setPlainText(bool on) override { plainText_ = on; }
  TextEncoding encoding() const override { return encoding_; }
  void setEncoding(TextEncoding e) override { encoding_ = e; }
  void load(const std::string& stream, const Font* startFormat = nullptr,
            const std::function<bool()>& cancelled = {}) override;
  std::string save() const override;
  std::string textUtf8() const override;

  bool modified() const override { return modified_; }
  void setModified(bool on) override { modified_ = on; }

  Font defaultFormat() const override { return defaultFormat_; }
  void setDefaultFormat(const Font& font) override { defaultFormat_ = font; }
  Font selectionFormat() const override { return selectionFormat_; }
  void setSelectionFormat(const Font& font) override { selectionFormat_ = font; }

  Colour backgroundColour() const override { return background_; }
  void setBackgroundColour(Colour c) override { background_ = c; }
  bool wordWrap() const override { return wordWrap_; }
  void setWordWrap(bool on) override { wordWrap_ = on; }
  ScrollBars scrollBars() const override { return scrollBars_; }
  void setScrollBars(ScrollBars bars) override { scrollBars_ = bars; }
  void setFocus() override { ++focusCount; }

  // Test helpers: set the text as if loaded, and select a range.
  void setText(const std::string& s);
  void select(int start, int length);

  std::string clipboard;
  int updateDepth = 0;
  int focusCount = 0;

 protected:
  // The units of a plain-text stream in a Unicode encoding, line breaks as the file has them.
  virtual std::u16string decodeUnicode(const std::string& stream) const;

 private:
  // Bytes of the logic's text and, for each, the unit it stands in for (0: an ordinary byte).
  struct Piece {
    std::string bytes;
    std::u16string standIns;
  };
  static Piece cp932Piece(const std::string& s);
  static Piece unicodePiece(std::u16string_view units);
  // The text as the control holds it: UTF-16, one CR per line break; and where each unit begins in
  // the logic's text (one entry more, for the end).
  std::u16string units(std::vector<int>* offsets = nullptr) const;
  // Matches of `what` (CR LF as one CR) wholly within [start, end) in the units, as offsets.
  std::vector<int> matchesUtf8(const std::string& what, int start, int end, bool matchCase) const;
  void edit(int start, int length, const Piece& piece, bool canUndo);
  void insertPieceAsLine(int index, Piece piece);
  void setTextKeepingUndo(Piece piece, bool canUndo);
  void clampSelection();

  std::string text_;
  std::u16string standIns_;  // as long as text_
  int selStart_ = 0;
  int selLength_ = 0;
  int firstVisible_ = 0;
  bool plainText_ = true;
  TextEncoding encoding_ = TextEncoding::ShiftJis;
  bool modified_ = false;
  bool wordWrap_ = false;
  ScrollBars scrollBars_ = ScrollBars::Both;
  Font defaultFormat_;
  Font selectionFormat_;
  Colour background_ = clWindow;
  std::string undoText_;
  std::u16string undoStandIns_;
  bool canUndo_ = false;
};

// Line breaks as the control stores them: a bare CR or LF becomes CR LF.
std::string normaliseLineBreaks(const std::string& s);
std::u16string normaliseLineBreaks(std::u16string_view s);

}  // namespace kakipo::test
