// Plain text goes out exactly as it came in: every single byte and byte pair, seeded random files
// and the known hard cases, opened and saved through the document commands with an editor that
// loses what the control loses. Edits keep every other line's bytes.
#include <gtest/gtest.h>

#include <random>

#include "documents_fixture.h"
#include "support/trouble_files.h"

namespace kakipo::test {
namespace {

struct ByteExactTest : DocumentsTest {
  ByteExactTest() { memo1.likeTheControl = true; }

  // Opens name, marks it edited without changing it and overwrite-saves it; returns what was written.
  std::string openAndSave(const std::string& name, const std::string& bytes) {
    put(name, bytes);
    commands.fileYomikomi(name);
    memo1.setModified(true);
    commands.tbtnUwagakiClick();
    ui.shown.clear();
    return files.files[name];
  }

  std::vector<std::string> fileLines(const std::string& bytes) {
    std::vector<std::string> out;
    for (const auto& l : PlainTextOriginal::splitFileLines(bytes)) out.push_back(bytes.substr(l.start, l.end - l.start));
    return out;
  }

  // Replaces the text of line k and saves; every other line, with its break, must be as it was.
  void editLineAndCheck(const std::string& name, const std::string& bytes, int k, const std::string& label) {
    ASSERT_TRUE(document.original.linesPaired()) << label;
    memo1.replaceLine(k, "EDIT");
    memo1.setModified(true);
    commands.tbtnUwagakiClick();
    ui.shown.clear();
    const auto before = fileLines(bytes);
    const auto after = fileLines(files.files[name]);
    ASSERT_EQ(after.size(), before.size()) << label;
    for (std::size_t i = 0; i < before.size(); ++i) {
      if (static_cast<int>(i) == k) {
        const auto b = PlainTextOriginal::splitFileLines(bytes)[i];
        EXPECT_EQ(after[i], "EDIT" + bytes.substr(b.breakAt, b.end - b.breakAt)) << label << " line " << i;
      } else {
        EXPECT_EQ(after[i], before[i]) << label << " line " << i;
      }
    }
  }
};

TEST_F(ByteExactTest, EverySingleByteAndEveryPairComesBackAsRead) {
  int changedByTheEditor = 0;
  for (int a = 0; a < 256; ++a) {
    const std::string one(1, static_cast<char>(a));
    ASSERT_EQ(openAndSave("C:\\one.txt", one), one) << hexOf(one);
    for (int b = 0; b < 256; ++b) {
      const std::string two{static_cast<char>(a), static_cast<char>(b)};
      if (controlRendition(two) != two) ++changedByTheEditor;
      ASSERT_EQ(openAndSave("C:\\two.txt", two), two) << hexOf(two);
    }
  }
  // The sweep is worth something only if the editor really changes many of them.
  EXPECT_GT(changedByTheEditor, 5000);
}

struct HardCase {
  const char* label;
  std::string bytes;
};

const std::vector<HardCase>& hardCases() {
  static const std::vector<HardCase> cases = {
      {"NecSelectedIbm", "a\xED\x40\xEE\xFC\r\nb"},
      {"NecRow13", "\x87\x90\x87\x91\x87\x9A\r\nx"},
      {"IbmRoman", "\xFA\x4A\xFA\x53\xFA\x54\xFA\x5B\r\nx"},
      {"UndefinedCell", "\x85\x40\x86\x9F\xEB\x40\r\nx"},
      {"LoneLeadAtEnd", "line\r\nend\x81"},
      {"LeadBeforeBreaks", "\x81\r\n\x82\n\x83\rz\r\nlast"},
      {"LeadBeforeNul", "\x81\0tail"},
      {"Nul", std::string("a\0b\r\n\0\0", 7)},
      {"BareCr", "a\rb\rc"},
      {"BareLf", "a\nb\nc\n"},
      {"CrCrLf", "a\r\r\nb\r\r\r\nc\n\r"},
      {"Eof", "a\x1A\r\n\x1A"},
      {"UserDefinedAndSingles", "\xF0\x40\xF9\xFC\x80\xA0\xFD\xFE\xFF\xA1\xDF"},
      {"Empty", ""},
  };
  return cases;
}

TEST_F(ByteExactTest, HardCasesComeBackAsReadAndKeepTheirLinesWhenAnotherIsEdited) {
  for (const auto& c : hardCases()) {
    ASSERT_EQ(openAndSave("C:\\hard.txt", c.bytes), c.bytes) << c.label;
    const int lines = memo1.lineCount();
    for (int k = 0; k < lines; ++k) {
      openAndSave("C:\\hard.txt", c.bytes);
      editLineAndCheck("C:\\hard.txt", c.bytes, k, c.label);
    }
  }
}


TEST_F(ByteExactTest, TenThousandSeededRandomFilesComeBackAsReadAndSurviveALineEdit) {
  std::mt19937 rng(20240601);
  for (int n = 0; n < 10000; ++n) {
    const std::string bytes = randomTroubleFile(rng, 40);
    const std::string label = "file " + std::to_string(n) + ": " + hexOf(bytes);
    ASSERT_EQ(openAndSave("C:\\r.txt", bytes), bytes) << label;
    const int k = std::uniform_int_distribution<int>(0, memo1.lineCount() - 1)(rng);
    editLineAndCheck("C:\\r.txt", bytes, k, label);
    if (HasFatalFailure() || HasNonfatalFailure()) return;
  }
}

}  // namespace
}  // namespace kakipo::test

namespace kakipo::test {
namespace {

TEST_F(DocumentsTest, RtfCutShortIsRefusedWithAMessageAndTheOpenDocumentStays) {
  put("C:\\old.txt", "old");
  commands.fileYomikomi("C:\\old.txt");
  put("C:\\cut.kpo", "{\\rtf1 half a docu");
  commands.fileYomikomi("C:\\cut.kpo");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "C:\\cut.kpo\r\n\r\nはカキポ形式（RTF）の途中までしかないため開けません");
  EXPECT_EQ(ui.shown[0].caption, "カキポ ♪ファイルを開くエラー");
  // The broken file is never shown as its source, so no overwrite-save can wrap it into a
  // document of its own; the document that was open stays, under its own name.
  EXPECT_EQ(state.fileName, "C:\\old.txt");
  EXPECT_EQ(memo1.text(), "old");
  EXPECT_EQ(files.files["C:\\cut.kpo"], "{\\rtf1 half a docu");
  EXPECT_EQ(state.history[0], "C:\\old.txt");
}

}  // namespace
}  // namespace kakipo::test
