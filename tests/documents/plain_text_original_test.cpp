#include "documents/plain_text_original.h"

#include <gtest/gtest.h>

#include "documents_fixture.h"

namespace kakipo::test {
namespace {

// The bytes a file is read from, and what the editor shows of them (bare CR and LF become CR LF;
// the rendition stands in for the control's code page round trip).
struct Original {
  std::string bytes;
  std::string rendition;
};

TEST(PlainTextOriginal, UneditedDocumentWritesExactlyTheBytesRead) {
  const std::vector<Original> cases = {
      {"a\rb\nc\r\nd", "a\r\nb\r\nc\r\nd"},
      {"\x87\x90\r\n\xED\x40", "\x81\xE0\r\n\xFA\x5C"},  // NEC and IBM duplicates
      {"x\x81", "x\x81"},                              // lone lead byte at the end
      {"a\r\r\nb", "a b"},
      {"nul\0after", "nul"},
      {"", ""},
  };
  for (const auto& c : cases) {
    PlainTextOriginal o;
    o.remember(c.bytes, c.rendition);
    EXPECT_EQ(o.bytesFor(c.rendition), c.bytes);
  }
}

struct EditCase {
  std::string label;
  std::string edited;
  std::string written;
};

class PlainTextEditTest : public ::testing::TestWithParam<EditCase> {};

// Lines: 0 holds a NEC duplicate, 1 plain, 2 ends in a bare LF, 3 an IBM code, 4 the last line.
const Original file{"\x87\x90\r\nplain\r\nlf\nib\xED\x40\r\nend", "\x81\xE0\r\nplain\r\nlf\r\nib\xFA\x5C\r\nend"};

TEST_P(PlainTextEditTest, LinesOutsideTheEditKeepTheirBytes) {
  PlainTextOriginal o;
  o.remember(file.bytes, file.rendition);
  EXPECT_EQ(o.bytesFor(GetParam().edited), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, PlainTextEditTest,
    ::testing::Values(
        EditCase{"MiddleLine", "\x81\xE0\r\nPLAIN\r\nlf\r\nib\xFA\x5C\r\nend",
                 "\x87\x90\r\nPLAIN\r\nlf\nib\xED\x40\r\nend"},
        EditCase{"LineInserted", "\x81\xE0\r\nplain\r\nnew\r\nlf\r\nib\xFA\x5C\r\nend",
                 "\x87\x90\r\nplain\r\nnew\r\nlf\nib\xED\x40\r\nend"},
        EditCase{"LineDeleted", "\x81\xE0\r\nlf\r\nib\xFA\x5C\r\nend", "\x87\x90\r\nlf\nib\xED\x40\r\nend"},
        EditCase{"LastLineEdited", "\x81\xE0\r\nplain\r\nlf\r\nib\xFA\x5C\r\nEND",
                 "\x87\x90\r\nplain\r\nlf\nib\xED\x40\r\nEND"},
        EditCase{"LineAppended", "\x81\xE0\r\nplain\r\nlf\r\nib\xFA\x5C\r\nend\r\nmore",
                 "\x87\x90\r\nplain\r\nlf\nib\xED\x40\r\nend\r\nmore"},
        EditCase{"FirstLineEdited", "x\r\nplain\r\nlf\r\nib\xFA\x5C\r\nend", "x\r\nplain\r\nlf\nib\xED\x40\r\nend"},
        EditCase{"AllGone", "", ""}),
    [](const auto& info) { return info.param.label; });

TEST(PlainTextOriginal, Utf16KeepsItsMarkOrItsLackAndLinesComeInItsUnits) {
  // Lines "a" CR, "b" LF, "c"; without a mark, as the file had none.
  const std::string bytes = std::string("a\0\r\0b\0\n\0c\0", 10);
  const std::string rendition = std::string("a\0\r\0\n\0b\0\r\0\n\0c\0", 14);
  PlainTextOriginal o;
  o.remember(bytes, rendition, TextEncoding::Utf16Le);
  ASSERT_TRUE(o.linesPaired());
  EXPECT_EQ(o.bytesFor(rendition, TextEncoding::Utf16Le), bytes);
  const std::string inserted = std::string("a\0\r\0\n\0n\0\r\0\n\0b\0\r\0\n\0c\0", 20);
  EXPECT_EQ(o.bytesFor(inserted, TextEncoding::Utf16Le), std::string("a\0\r\0n\0\r\0\n\0b\0\n\0c\0", 16));
  // Written in another encoding: that encoding's own mark and the editor's text.
  EXPECT_EQ(o.bytesFor("x", TextEncoding::Utf8Bom), "\xEF\xBB\xBFx");
  o.remember("\xFE\xFF" + std::string("\0x", 2), std::string("\0x", 2), TextEncoding::Utf16Be);
  EXPECT_EQ(o.bytesFor(std::string("\0y", 2), TextEncoding::Utf16Be), "\xFE\xFF" + std::string("\0y", 2));
}

TEST(PlainTextOriginal, LinesThatCannotBePairedFallBackToTheEditorsText) {
  // An editor that kept the LF after a lone lead byte as a break has a line the file has not;
  // one that changed a single byte has a line of another shape.
  for (const auto& [bytes, rendition] : {std::pair<std::string, std::string>{"\x81\nb\r\nc", "\x81\x45\r\nb\r\nc"},
                                         {"ab\r\nc", "aB\r\nc"}}) {
    PlainTextOriginal o;
    o.remember(bytes, rendition);
    EXPECT_FALSE(o.linesPaired());
    EXPECT_EQ(o.bytesFor(rendition + "!"), rendition + "!");
  }
  PlainTextOriginal none;
  EXPECT_EQ(none.bytesFor("text"), "text");
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
