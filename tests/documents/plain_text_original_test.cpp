#include "documents/plain_text_original.h"

#include <gtest/gtest.h>

#include "core/text_codec.h"
#include "documents_fixture.h"

namespace kakipo::test {
namespace {

// What the editor shows of a file: its text with every line break CR LF.
std::string shown(const std::string& bytes, TextEncoding e = TextEncoding::ShiftJis) {
  return normaliseLineBreaks(decodeText(bytes, e));
}

TEST(PlainTextOriginal, UneditedDocumentWritesExactlyTheBytesRead) {
  const std::vector<std::string> cases = {
      "a\rb\nc\r\nd",
      "\x87\x90\r\n\xED\x40",  // NEC and IBM duplicates
      "x\x81",                 // lone lead byte at the end
      "a\r\r\nb",
      std::string("nul\0after", 9),
      "",
  };
  for (const auto& bytes : cases) {
    PlainTextOriginal o;
    o.remember(bytes, TextEncoding::ShiftJis);
    EXPECT_EQ(o.bytesFor(shown(bytes), TextEncoding::ShiftJis), bytes);
  }
}

struct EditCase {
  std::string label;
  std::string edited;
  std::string written;
};

class PlainTextEditTest : public ::testing::TestWithParam<EditCase> {};

// Lines: 0 holds a NEC duplicate (≒), 1 plain, 2 ends in a bare LF, 3 an IBM code (纊), 4 the last.
const std::string file = "\x87\x90\r\nplain\r\nlf\nib\xED\x40\r\nend";

TEST_P(PlainTextEditTest, LinesOutsideTheEditKeepTheirBytes) {
  PlainTextOriginal o;
  o.remember(file, TextEncoding::ShiftJis);
  EXPECT_EQ(o.bytesFor(GetParam().edited, TextEncoding::ShiftJis), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, PlainTextEditTest,
    ::testing::Values(
        EditCase{"MiddleLine", "≒\r\nPLAIN\r\nlf\r\nib纊\r\nend", "\x87\x90\r\nPLAIN\r\nlf\nib\xED\x40\r\nend"},
        EditCase{"LineInserted", "≒\r\nplain\r\nnew\r\nlf\r\nib纊\r\nend",
                 "\x87\x90\r\nplain\r\nnew\r\nlf\nib\xED\x40\r\nend"},
        EditCase{"LineDeleted", "≒\r\nlf\r\nib纊\r\nend", "\x87\x90\r\nlf\nib\xED\x40\r\nend"},
        EditCase{"LastLineEdited", "≒\r\nplain\r\nlf\r\nib纊\r\nEND", "\x87\x90\r\nplain\r\nlf\nib\xED\x40\r\nEND"},
        EditCase{"LineAppended", "≒\r\nplain\r\nlf\r\nib纊\r\nend\r\nmore",
                 "\x87\x90\r\nplain\r\nlf\nib\xED\x40\r\nend\r\nmore"},
        EditCase{"FirstLineEdited", "x\r\nplain\r\nlf\r\nib纊\r\nend", "x\r\nplain\r\nlf\nib\xED\x40\r\nend"},
        EditCase{"AllGone", "", ""}),
    [](const auto& info) { return info.param.label; });

TEST(PlainTextOriginal, Utf16KeepsItsMarkOrItsLackItsOddLastByteAndLinesComeInItsUnits) {
  // Lines "a" CR, "b" LF, "c"; without a mark, as the file had none.
  const std::string bytes = std::string("a\0\r\0b\0\n\0c\0", 10);
  PlainTextOriginal o;
  o.remember(bytes, TextEncoding::Utf16Le);
  EXPECT_EQ(o.bytesFor("a\r\nb\r\nc", TextEncoding::Utf16Le), bytes);
  EXPECT_EQ(o.bytesFor("a\r\nn\r\nb\r\nc", TextEncoding::Utf16Le), std::string("a\0\r\0n\0\r\0\n\0b\0\n\0c\0", 16));
  // Written in another encoding: that encoding's own mark and the editor's text.
  EXPECT_EQ(o.bytesFor("x", TextEncoding::Utf8Bom), "\xEF\xBB\xBFx");
  o.remember("\xFE\xFF" + std::string("\0x", 2), TextEncoding::Utf16Be);
  EXPECT_EQ(o.bytesFor("y", TextEncoding::Utf16Be), "\xFE\xFF" + std::string("\0y", 2));
  // The odd last byte is no character of the last line: it stays when that line is edited.
  o.remember("\xFF\xFE" + std::string("a\0", 2) + "\x07", TextEncoding::Utf16Le);
  EXPECT_EQ(o.bytesFor("b", TextEncoding::Utf16Le), "\xFF\xFE" + std::string("b\0", 2) + "\x07");
  PlainTextOriginal none;
  EXPECT_EQ(none.bytesFor("text", TextEncoding::ShiftJis), "text");
}

TEST_F(DocumentsTest, OpenAndSaveWritesBackBareBreaksUntouched) {
  put("C:\\a.txt", "one\rtwo\nthree\r\n");
  commands.fileYomikomi("C:\\a.txt");
  memo1.setModified(true);
  commands.tbtnUwagakiClick();
  EXPECT_EQ(files.files["C:\\a.txt"], "one\rtwo\nthree\r\n");
  // An edit on the last line keeps the other lines' own breaks, also on the next save.
  memo1.select(memo1.textLength(), 0);
  typeText("four");
  commands.tbtnUwagakiClick();
  EXPECT_EQ(files.files["C:\\a.txt"], "one\rtwo\nthree\r\nfour");
  memo1.select(0, 0);
  typeText("0");
  commands.tbtnUwagakiClick();
  EXPECT_EQ(files.files["C:\\a.txt"], "0one\rtwo\nthree\r\nfour");
}

TEST_F(DocumentsTest, NewDocumentForgetsTheOldBytes) {
  put("C:\\a.txt", "a\rb");
  commands.fileYomikomi("C:\\a.txt");
  commands.tbtnNewClick();
  memo1.setText("a\r\nb");
  dialogs.saveAnswers.push_back({true, "C:\\b.txt", 1});
  commands.tbtnSaveClick();
  EXPECT_EQ(files.files["C:\\b.txt"], "a\r\nb");
}

}  // namespace
}  // namespace kakipo::test
