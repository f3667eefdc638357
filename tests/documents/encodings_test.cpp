// Plain-text files in the encodings people have: which one a file's bytes show, Save As in each,
// and reading a file again in another.
#include <gtest/gtest.h>

#include "documents/encoding_detection.h"
#include "documents_fixture.h"
#include "core/text_codec.h"
#include "support/sjis.h"

namespace kakipo::test {
namespace {

struct DetectionCase {
  const char* label;
  std::string bytes;
  DetectedEncoding detected;
};

class DetectionTest : public ::testing::TestWithParam<DetectionCase> {};

TEST_P(DetectionTest, MarksThenValidUtf8WithAMultiByteCharacterElseShiftJis) {
  EXPECT_EQ(detectEncoding(GetParam().bytes), GetParam().detected);
}

constexpr DetectedEncoding shiftJis{TextEncoding::ShiftJis, 0};
constexpr DetectedEncoding utf8NoMark{TextEncoding::Utf8, 0};

INSTANTIATE_TEST_SUITE_P(
    Table, DetectionTest,
    ::testing::Values(
        DetectionCase{"Utf8Mark", "\xEF\xBB\xBFtext", {TextEncoding::Utf8Bom, 3}},
        DetectionCase{"Utf8MarkBeforeInvalid", "\xEF\xBB\xBF\xFF", {TextEncoding::Utf8Bom, 3}},
        DetectionCase{"Utf16LeMark", "\xFF\xFE" "a\0", {TextEncoding::Utf16Le, 2}},
        DetectionCase{"Utf16BeMark", "\xFE\xFF\0a", {TextEncoding::Utf16Be, 2}},
        DetectionCase{"Utf8", "メモ\r\n\U0001F600", utf8NoMark},
        DetectionCase{"Utf8TwoByteAtTheEnd", "abc\xC3\xA9", utf8NoMark},
        DetectionCase{"Utf8Largest", "\xF4\x8F\xBF\xBF", utf8NoMark},
        DetectionCase{"Cp932", sjis("日本語のメモ\r\n"), shiftJis},
        DetectionCase{"Cp932HalfWidthKana", sjis("ｶﾀｶﾅ"), shiftJis},
        DetectionCase{"Cp932ThatIsValidUtf8", "\xE3\x81\x82", utf8NoMark},  // 縺 and a lone lead byte
        DetectionCase{"TruncatedSequence", "a\xE3\x81", shiftJis},
        DetectionCase{"StrayContinuation", "a\x80z", shiftJis},
        DetectionCase{"OverlongTwoBytes", "\xC0\xAF", shiftJis},
        DetectionCase{"OverlongC1", "\xC1\xBF", shiftJis},
        DetectionCase{"OverlongThreeBytes", "\xE0\x80\xAF", shiftJis},
        DetectionCase{"OverlongFourBytes", "\xF0\x8F\xBF\xBF", shiftJis},
        DetectionCase{"SurrogateEncoded", "\xED\xA0\x80", shiftJis},
        DetectionCase{"LowSurrogateEncoded", "\xED\xBF\xBF", shiftJis},
        DetectionCase{"AboveU10FFFF", "\xF4\x90\x80\x80", shiftJis},
        DetectionCase{"LeadByteF5", "\xF5\x80\x80\x80", shiftJis},
        DetectionCase{"ValidThenInvalid", "\u3042\x82\xA0", shiftJis},
        DetectionCase{"AsciiOnly", "plain ascii\r\n", shiftJis},
        DetectionCase{"Empty", "", shiftJis}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(EncodingNames, AreTheOnesTheUserSeesAndNameTheirEncoding) {
  std::vector<std::string> names;
  for (const TextEncoding e : allEncodings) {
    names.push_back(encodingName(e));
    EXPECT_EQ(encodingNamed(encodingName(e)), e);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Shift_JIS", "UTF-8", "UTF-8 BOM", "UTF-16 LE", "UTF-16 BE"}));
  EXPECT_EQ(encodingNamed("utf-8"), std::nullopt);
}

TEST(ReadAs, TheChosenEncodingTakesItsOwnMarkOffOnly) {
  EXPECT_EQ(readAs(TextEncoding::Utf8, "\xEF\xBB\xBFx"), (DetectedEncoding{TextEncoding::Utf8Bom, 3}));
  EXPECT_EQ(readAs(TextEncoding::Utf8Bom, "x"), utf8NoMark);
  EXPECT_EQ(readAs(TextEncoding::Utf16Le, "\xFF\xFEx\0"), (DetectedEncoding{TextEncoding::Utf16Le, 2}));
  EXPECT_EQ(readAs(TextEncoding::Utf16Le, "\xFE\xFFx\0"), (DetectedEncoding{TextEncoding::Utf16Le, 0}));
  EXPECT_EQ(readAs(TextEncoding::ShiftJis, "\xEF\xBB\xBFx"), shiftJis);
}

const std::string memoUtf8 = "一行目\r\n\u9DD7\U0001F600";

struct SaveCase {
  TextEncoding encoding;
  std::string written;
};

class SaveInEncodingTest : public DocumentsTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveInEncodingTest, SaveAsWritesTheChosenEncodingWithItsMarkAndKeepsIt) {
  put("C:\\memo.txt", memoUtf8);
  commands.fileYomikomi("C:\\memo.txt");
  dialogs.saveAnswers.push_back({true, "C:\\out.txt", 1, GetParam().encoding});
  if (GetParam().encoding == TextEncoding::ShiftJis) ui.answers = {mb::idYes};  // the loss report: as it is
  EXPECT_TRUE(commands.dlgSaveFile(document.path()));
  EXPECT_EQ(dialogs.saveSeeds.back().encoding, TextEncoding::Utf8) << "the document's own";
  EXPECT_EQ(files.files["C:\\out.txt"], GetParam().written);
  EXPECT_EQ(document.encoding, GetParam().encoding);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, SaveInEncodingTest,
    ::testing::Values(SaveCase{TextEncoding::ShiftJis, sjis("一行目\r\n") + "??"}, SaveCase{TextEncoding::Utf8, memoUtf8},
                      SaveCase{TextEncoding::Utf8Bom, "\xEF\xBB\xBF" + memoUtf8},
                      SaveCase{TextEncoding::Utf16Le, "\xFF\xFE" + encodeText(memoUtf8, TextEncoding::Utf16Le)},
                      SaveCase{TextEncoding::Utf16Be, "\xFE\xFF" + encodeText(memoUtf8, TextEncoding::Utf16Be)}),
    [](const auto& info) {
      std::string name = encodingName(info.param.encoding);
      std::erase_if(name, [](char c) { return c == '-' || c == ' ' || c == '_'; });
      return name;
    });

TEST_F(DocumentsTest, KpoIgnoresTheEncodingAndNewDocumentsAreShiftJis) {
  put("C:\\memo.txt", memoUtf8);
  commands.fileYomikomi("C:\\memo.txt");
  dialogs.saveAnswers.push_back({true, "C:\\memo.kpo", 2, TextEncoding::Utf16Be});
  EXPECT_TRUE(commands.dlgSaveFile(document.path()));
  EXPECT_EQ(files.files["C:\\memo.kpo"].rfind("{\\rtf1 ", 0), 0u);
  EXPECT_EQ(document.encoding, TextEncoding::Utf8);
  commands.tbtnNewClick();
  EXPECT_EQ(document.encoding, TextEncoding::ShiftJis);
}

TEST_F(DocumentsTest, AFailedOpenKeepsTheEncodingTheOverwriteSaveWrites) {
  put("C:\\memo.txt", "\xEF\xBB\xBF" + memoUtf8);
  commands.fileYomikomi("C:\\memo.txt");
  commands.fileYomikomi("C:\\missing.txt");
  EXPECT_EQ(document.encoding, TextEncoding::Utf8Bom);
  memo1.setSelStart(0);
  typeText("x");
  commands.tbtnUwagakiClick();
  EXPECT_EQ(files.files["C:\\memo.txt"], "\xEF\xBB\xBFx" + memoUtf8);
}

TEST_F(DocumentsTest, ReadingAgainInAnotherEncodingAsksAboutChangesFirst) {
  put("C:\\memo.txt", "\xE3\x81\x82");  // read as UTF-8 (あ); meant as CP932
  commands.fileYomikomi("C:\\memo.txt");
  EXPECT_EQ(memo1.text(), "\u3042");
  typeText("x");
  ui.answers = {mb::idNo};
  commands.popMojiKodoClick(TextEncoding::ShiftJis);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, "カキポ ♪ファイル保存の確認");
  EXPECT_EQ(document.encoding, TextEncoding::ShiftJis);
  EXPECT_EQ(memo1.text(), decodeText("\xE3\x81\x82", TextEncoding::ShiftJis));
  EXPECT_FALSE(memo1.modified());
  EXPECT_EQ(document.path(), "C:\\memo.txt");

  // A save the user stops keeps the document as it is.
  typeText("y");
  ui.answers = {mb::idYes};
  dialogs.saveAnswers.push_back({false});
  commands.popMojiKodoClick(TextEncoding::Utf8);
  EXPECT_EQ(document.encoding, TextEncoding::ShiftJis);
  EXPECT_TRUE(memo1.modified());
}

TEST_F(DocumentsTest, AnUntitledDocumentTakesTheEncodingItWillBeSavedInARichOneNone) {
  commands.popMojiKodoClick(TextEncoding::Utf16Le);
  EXPECT_TRUE(ui.shown.empty());
  memo1.replaceSel("\u9DD7");
  dialogs.saveAnswers.push_back({true, "C:\\new.txt", 1});
  EXPECT_TRUE(commands.dlgSaveFile(""));
  EXPECT_EQ(files.files["C:\\new.txt"], "\xFF\xFE\xD7\x9D");

  put("C:\\rich.kpo", rtfOf("x"));
  commands.fileYomikomi("C:\\rich.kpo");
  EXPECT_FALSE(commands.encodingChoosable());
  commands.popMojiKodoClick(TextEncoding::Utf8);
  EXPECT_EQ(document.encoding, TextEncoding::ShiftJis);
}

// Chosen for a new document, UTF-8 is what every new one starts in; UTF-16 is that document's own.
TEST_F(DocumentsTest, AnEncodingChosenForANewDocumentIsEveryNewOnes) {
  for (auto encoding : {TextEncoding::Utf8, TextEncoding::Utf16Le}) {
    commands.popMojiKodoClick(encoding);
    commands.tbtnNewClick();
  }
  EXPECT_EQ(document.encoding, TextEncoding::Utf8);
}

TEST_F(DocumentsTest, KpoHoldingUtf8TextIsReadAsUtf8AndStaysRich) {
  put("C:\\memo.kpo", memoUtf8);
  commands.fileYomikomi("C:\\memo.kpo");
  EXPECT_FALSE(document.plainText());
  EXPECT_EQ(memo1.text(), memoUtf8);
}

}  // namespace
}  // namespace kakipo::test
