// Plain text goes out exactly as it came in, in every encoding: every single byte and byte pair,
// seeded random files and the known hard cases, opened and saved through the document commands.
// Edits keep every other line's bytes, and bytes the encoding cannot decode survive an edit of
// their own line.
#include <gtest/gtest.h>

#include <random>

#include "core/text_codec.h"
#include "core/utf.h"
#include "documents/encoding_detection.h"
#include "documents_fixture.h"
#include "support/trouble_files.h"

namespace kakipo::test {
namespace {

// UTF-16 units as a file in that encoding holds them, lone surrogates and all.
std::string bytesOf(std::u16string_view units, TextEncoding encoding) {
  return encodeText(utf::fromUtf16(units), encoding);
}

struct ByteExactTest : DocumentsTest {
  // Opens name, marks it edited without changing it and overwrite-saves it; returns what was written.
  std::string openAndSave(const std::string& name, const std::string& bytes) {
    put(name, bytes);
    commands.fileYomikomi(name);
    memo1.setModified(true);
    commands.tbtnUwagakiClick();
    ui.shown.clear();
    return files.files[name];
  }

  // The lines of a file in the encoding it was read in, with their breaks; the mark goes with the
  // first and a UTF-16 file's odd last byte with the last. Line k's text becomes `edit(text)`.
  std::vector<std::string> fileLines(const std::string& bytes, TextEncoding encoding, int k = -1,
                                     const std::function<std::string(std::string_view)>& edit = {}) {
    const std::size_t mark = readAs(encoding, bytes).markBytes;
    std::string_view text = std::string_view(bytes).substr(mark);
    const std::size_t odd = isUtf16(encoding) ? text.size() % 2 : 0;
    text.remove_suffix(odd);
    std::vector<std::string> out;
    for (const auto& l : PlainTextOriginal::splitFileLines(text, encoding)) {
      const std::string_view line = text.substr(l.start, l.breakAt - l.start);
      const bool edited = static_cast<int>(out.size()) == k;
      out.push_back((edited ? edit(line) : std::string(line)) + std::string(text.substr(l.breakAt, l.end - l.breakAt)));
    }
    out.front().insert(0, bytes.substr(0, mark));
    out.back() += bytes.substr(bytes.size() - odd);
    return out;
  }

  void saveAndCompare(const std::string& name, const std::string& bytes, int k,
                      const std::function<std::string(std::string_view)>& edit, const std::string& label) {
    const TextEncoding encoding = document.encoding;
    memo1.setModified(true);
    commands.tbtnUwagakiClick();
    ui.shown.clear();
    const auto expected = fileLines(bytes, encoding, k, edit);
    const auto after = fileLines(files.files[name], encoding);
    ASSERT_EQ(after.size(), expected.size()) << label;
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(after[i], expected[i]) << label << " line " << i;
  }

  // Replaces the text of line k and saves; every other line, with its break, must be as it was.
  void editLineAndCheck(const std::string& name, const std::string& bytes, int k, const std::string& label) {
    memo1.replaceLine(k, "EDIT");
    saveAndCompare(name, bytes, k, [&](std::string_view) { return encodeText("EDIT", document.encoding); }, label);
  }

  // Types "X" at the start of line k and saves: the line keeps every byte it had behind the X.
  void typeIntoLineAndCheck(const std::string& name, const std::string& bytes, int k, const std::string& label) {
    memo1.setSelStart(memo1.lineStart(k));
    memo1.replaceSel("X");
    saveAndCompare(name, bytes, k, [&](std::string_view line) { return encodeText("X", document.encoding) + std::string(line); },
                   label);
  }
};

TEST_F(ByteExactTest, EverySingleByteAndEveryPairComesBackAsRead) {
  int escaped = 0;
  for (int a = 0; a < 256; ++a) {
    const std::string one(1, static_cast<char>(a));
    ASSERT_EQ(openAndSave("C:\\one.txt", one), one) << hexOf(one);
    for (int b = 0; b < 256; ++b) {
      const std::string two{static_cast<char>(a), static_cast<char>(b)};
      if (decodeText(two, TextEncoding::ShiftJis).find("\xED\xB2") != std::string::npos) ++escaped;
      ASSERT_EQ(openAndSave("C:\\two.txt", two), two) << hexOf(two);
    }
  }
  // The sweep is worth something only if many of them hold bytes that only an escape keeps.
  EXPECT_GT(escaped, 5000);
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

// Bytes the encoding cannot decode, on a line the user edits: a lead byte with no trail (before a
// break, at the end, before a NUL), a code no character has, bytes that are no UTF-8 (with a mark
// and LF breaks too), and a UTF-16 file's odd last byte. Every one of them is written back.
TEST_F(ByteExactTest, UndecodableBytesSurviveAnEditOfTheirOwnLine) {
  const std::pair<const char*, std::string> cases[] = {
      {"LeadBeforeBreaks", "\x81\r\n\x82\n\x83\rz\r\nlast\x81"},
      {"LeadBeforeNulAndUndefinedCells", std::string("\x81\0t\x85\x40\x80\xA0\xFD\r\n", 10)},
      {"Utf8BomBrokenBytes", "\xEF\xBB\xBFline 1\r\nline 2\r\n\xC0\xAF\x80\xFF\r\nline 4"},
      {"Utf8BomLfOneBadByte", "\xEF\xBB\xBF\xE3\x81\x82\na\xFF" "b\n\xE3\x81\n"},
      {"Utf16OddLength", "\xFF\xFE" + bytesOf(u"a\r\nb", TextEncoding::Utf16Le) + "x"},
  };
  for (const auto& [label, bytes] : cases) {
    put("C:\\bad.txt", bytes);
    commands.fileYomikomi("C:\\bad.txt");
    const int lines = memo1.lineCount();
    for (int k = 0; k < lines; ++k) {
      put("C:\\bad.txt", bytes);
      commands.fileYomikomi("C:\\bad.txt");
      typeIntoLineAndCheck("C:\\bad.txt", bytes, k, label);
    }
  }
}


// Unicode files: marks or none, every kind of line break, characters from every plane and ones
// CP932 cannot hold, NUL, a UTF-16 file's lone surrogates and odd last byte. Those without a mark
// of UTF-16 are read in the encoding the user chose, also bytes that are no UTF-8 at all.
struct UnicodeCase {
  const char* label;
  std::string bytes;
  std::optional<TextEncoding> chosen;
};

const std::u16string unicodeLines = u"\u4E00\u884C\u76EE\u9DD7\r\nA\U0001F600b\rc\U00020BB7\nd\r\r\ne\u2252\uFF5E\u2460\0f\r\n";

const std::vector<UnicodeCase>& unicodeCases() {
  static const std::vector<UnicodeCase> cases = {
      {"Utf8", utf::fromUtf16(unicodeLines), std::nullopt},
      {"Utf8Bom", "\xEF\xBB\xBF" + utf::fromUtf16(unicodeLines), std::nullopt},
      {"Utf8BomOnly", "\xEF\xBB\xBF", std::nullopt},
      {"Utf8ChosenForCp932Bytes", "\x82\xA0\r\n\x81\r\nz", TextEncoding::Utf8},
      {"Utf16Le", "\xFF\xFE" + bytesOf(unicodeLines, TextEncoding::Utf16Le), std::nullopt},
      {"Utf16Be", "\xFE\xFF" + bytesOf(unicodeLines, TextEncoding::Utf16Be), std::nullopt},
      {"Utf16LeWithoutMark", bytesOf(unicodeLines, TextEncoding::Utf16Le), TextEncoding::Utf16Le},
      {"Utf16BeWithoutMark", bytesOf(unicodeLines, TextEncoding::Utf16Be), TextEncoding::Utf16Be},
      {"Utf16LoneSurrogatesOddEnd", "\xFF\xFE" + bytesOf(std::u16string{u'a', 0xD800, u'\r', u'\n', u'b', 0xDC00, u'c', u'\r', u'\n'}, TextEncoding::Utf16Le) + "x", std::nullopt},
      {"Utf16MarkOnly", "\xFE\xFF", std::nullopt},
  };
  return cases;
}

TEST_F(ByteExactTest, UnicodeFilesComeBackAsReadAndKeepTheirLinesWhenAnotherIsEdited) {
  for (const auto& c : unicodeCases()) {
    const auto open = [&] {
      put("C:\\u.txt", c.bytes);
      commands.fileYomikomi("C:\\u.txt");
      if (c.chosen) commands.popMojiKodoClick(*c.chosen);
    };
    open();
    EXPECT_EQ(document.encoding, readAs(c.chosen.value_or(detectEncoding(c.bytes).encoding), c.bytes).encoding)
        << c.label;
    memo1.setModified(true);
    commands.tbtnUwagakiClick();
    ASSERT_EQ(files.files["C:\\u.txt"], c.bytes) << c.label;
    for (int k = 0; k < memo1.lineCount(); ++k) {
      open();
      editLineAndCheck("C:\\u.txt", c.bytes, k, c.label);
    }
  }
}

// Random text from a pool that holds what tends to go wrong, in every encoding, with and without a
// mark; the editor holds it exactly, so a save with an edit elsewhere changes only the edited line.
TEST_F(ByteExactTest, SeededRandomUnicodeFilesComeBackAsReadAndSurviveALineEdit) {
  static const std::u16string pool[] = {u"a", u"Z", u" ", u"\r", u"\n", u"\r\n", u"\r\r\n", std::u16string(1, u'\0'),
                                        u"\u3042", u"\u8868", u"\uFF71", u"\u9DD7", u"\U0001F600", u"\U00020BB7",
                                        u"\u2252", u"\uFF5E", u"\u2460", u"\uFEFF", u"\uFFFD", u"\u00E9"};
  std::mt19937 rng(20261209);
  for (int n = 0; n < 2000; ++n) {
    std::u16string units;
    for (int i = std::uniform_int_distribution<int>(0, 30)(rng); i > 0; --i)
      units += pool[std::uniform_int_distribution<std::size_t>(0, std::size(pool) - 1)(rng)];
    const auto encoding = allEncodings[1 + n % 4];
    std::string bytes = bytesOf(units, encoding);
    if (encoding != TextEncoding::Utf8) bytes.insert(0, byteOrderMark(encoding));
    const std::string label = "file " + std::to_string(n) + ": " + hexOf(bytes);
    put("C:\\r.txt", bytes);
    commands.fileYomikomi("C:\\r.txt");
    memo1.setModified(true);
    commands.tbtnUwagakiClick();
    ASSERT_EQ(files.files["C:\\r.txt"], bytes) << label;
    const int k = std::uniform_int_distribution<int>(0, memo1.lineCount() - 1)(rng);
    commands.fileYomikomi("C:\\r.txt");
    editLineAndCheck("C:\\r.txt", bytes, k, label);
    if (HasFatalFailure() || HasNonfatalFailure()) return;
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
  EXPECT_EQ(document.path(), "C:\\old.txt");
  EXPECT_EQ(memo1.text(), "old");
  EXPECT_EQ(files.files["C:\\cut.kpo"], "{\\rtf1 half a docu");
  EXPECT_EQ(state.history[0], "C:\\old.txt");
}

}  // namespace
}  // namespace kakipo::test
