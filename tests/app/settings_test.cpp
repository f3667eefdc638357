#include "app/settings.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "app/main_form.h"
#include "support/main_form_harness.h"
#include "support/fake_profile.h"
#include "support/memory_editor.h"
#include "support/scripted_ui.h"

namespace kakipo {
namespace {

const std::string iniPath = "C:\\Tools\\kakipo.ini";

// Test names stay ASCII whatever bytes the case holds, and free of the backslashes that the test
// runner's lists would take for escapes.
std::string printable(const std::string& s) {
  static const char hex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : s) {
    if (c == '\\') {
      out += '/';
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      out += "%";
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

struct SettingsTest : ::testing::Test {
  test::FakeProfile profile;
  test::MainFormHarness h{&profile};
  test::MemoryEditor& memo1 = h.memo1;
  test::FakeForm& form = h.form;
  test::FakePhraseBox& phrases = h.phrases;
  test::ScriptedMessageBoxes& ui = h.ui;
  MainForm& main = h.main;
  WindowState& state = main.state;
  Settings settings{main.state, profile, iniPath};

  void SetUp() override { main.syokika(); }
  // A start and a close as the main form runs them.
  void inifileyomu() { main.applySettings(settings.inifileyomu()); }
  void inifilekaku() { settings.inifilekaku(main.settingsToWrite()); }
  void set(const std::string& section, const std::string& key, const std::string& value) {
    profile.set(iniPath, section, key, value);
  }
  std::string stored(const std::string& section, const std::string& key) {
    return profile.readString(iniPath, section, key, "<missing>");
  }
};

TEST_F(SettingsTest, NoFileGivesEveryDefault) {
  inifileyomu();
  EXPECT_EQ(form.bounds(), (Rect{0, 0, 280, 380}));
  ASSERT_EQ(phrases.items().size(), 10u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(phrases.items()[i], state.defaultPhrases[i]) << i;
  for (const auto& slot : state.history) EXPECT_EQ(slot, "nothing");
  const Font& f = state.nextOpenFont;
  EXPECT_EQ(f.charset, 128);
  EXPECT_EQ(f.color, 0x80000008u);
  EXPECT_EQ(f.name, "ＭＳ Ｐゴシック");
  EXPECT_EQ(f.pitch, Pitch::Default);
  EXPECT_EQ(f.size(), 11);
  EXPECT_EQ(f.height(), -15);
  EXPECT_EQ(f.style, FontStyle{});
  EXPECT_EQ(state.backColour, 0x80000005u);
  EXPECT_EQ(memo1.defaultFormat(), f) << "the next-open font is applied to the editor";
}

TEST_F(SettingsTest, StoredValuesReachTheWindowState) {
  set("form", "left", "100");
  set("form", "top", "-5");
  set("form", "width", "640");
  set("form", "height", "$1E0");
  set("combobox", "items3", "よろしく");
  set("rireki", "filmei0", "C:\\メモ.txt");
  set("memoFont", "name", "ＭＳ ゴシック");
  set("memoFont", "charset", "1");
  set("memoFont", "bold", "1");
  set("memoFont", "italic", "1");
  set("memoFont", "strikeout", "1");
  set("memoFont", "backcolor", "65535");
  inifileyomu();
  EXPECT_EQ(form.bounds(), (Rect{100, -5, 640, 480}));
  EXPECT_EQ(phrases.items()[3], "よろしく");
  EXPECT_EQ(phrases.items()[2], state.defaultPhrases[2]);
  EXPECT_EQ(state.history[0], "C:\\メモ.txt");
  EXPECT_EQ(state.history[1], "nothing");
  EXPECT_EQ(state.nextOpenFont.name, "ＭＳ ゴシック");
  EXPECT_EQ(state.nextOpenFont.charset, 1);
  EXPECT_EQ(state.nextOpenFont.style, (FontStyle{true, true, false, true}));
  EXPECT_EQ(state.backColour, 0xFFFFu);
}

struct IntCase {
  const char* text;
  int expected;  // as read for form/width, whose default is 280
};

void PrintTo(const IntCase& c, std::ostream* os) { *os << '"' << printable(c.text) << '"'; }

class IntegerReading : public SettingsTest, public ::testing::WithParamInterface<IntCase> {};

TEST_P(IntegerReading, DecimalOrPrefixedHexElseTheDefault) {
  set("form", "width", GetParam().text);
  inifileyomu();
  EXPECT_EQ(form.bounds().width, GetParam().expected) << "width=" << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, IntegerReading,
    ::testing::Values(IntCase{"640", 640}, IntCase{"+640", 640}, IntCase{"-1", -1}, IntCase{"0x280", 640},
                      IntCase{"0X280", 640}, IntCase{"$280", 640}, IntCase{"$ff", 255}, IntCase{"0xFFFFFFFF", -1},
                      IntCase{"-$10", -16}, IntCase{"  640 ", 640}, IntCase{"\"640\"", 640},
                      IntCase{"2147483647", 2147483647}, IntCase{"-2147483648", -2147483647 - 1},
                      IntCase{"2147483648", 280}, IntCase{"0x100000000", 280}, IntCase{"", 280},
                      IntCase{"abc", 280}, IntCase{"12px", 280}, IntCase{"0x", 280}, IntCase{"$", 280},
                      IntCase{"-", 280}, IntCase{"1 2", 280}, IntCase{"x10", 280}, IntCase{"0x1G", 280},
                      IntCase{"１２", 280}));

struct BoolCase {
  const char* text;
  bool expected;
};

void PrintTo(const BoolCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class BooleanReading : public SettingsTest, public ::testing::WithParamInterface<BoolCase> {};

TEST_P(BooleanReading, AnyNonZeroNumberIsTrue) {
  set("memoFont", "bold", GetParam().text);
  inifileyomu();
  EXPECT_EQ(state.nextOpenFont.style.bold, GetParam().expected) << "bold=" << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, BooleanReading,
                         ::testing::Values(BoolCase{"1", true}, BoolCase{"0", false}, BoolCase{"2", true},
                                           BoolCase{"-1", true}, BoolCase{"0x0", false}, BoolCase{"$1", true},
                                           BoolCase{"true", false}, BoolCase{"yes", false}, BoolCase{"", false}));

TEST_F(SettingsTest, StyleKeysAreReadInAnyLetterCaseAndWrittenInLowerCase) {
  set("MEMOFONT", "UNDERLINE", "1");
  set("memofont", "strikeOUT", "1");
  inifileyomu();
  EXPECT_TRUE(state.nextOpenFont.style.underline);
  EXPECT_TRUE(state.nextOpenFont.style.strikeOut);
  EXPECT_NO_THROW(inifilekaku());
  EXPECT_EQ(stored("memoFont", "underline"), "1");
  EXPECT_EQ(stored("memoFont", "strikeout"), "1");
}

struct FontSizeCase {
  int ppi;
  const char* height;  // nullptr: no key
  const char* size;
  int expectedHeight;
  int expectedSize;
};

void PrintTo(const FontSizeCase& c, std::ostream* os) {
  *os << c.ppi << "ppi height=" << (c.height ? c.height : "-") << " size=" << (c.size ? c.size : "-");
}

class FontSizeReading : public SettingsTest, public ::testing::WithParamInterface<FontSizeCase> {};

TEST_P(FontSizeReading, TheSizeWinsOverTheHeight) {
  const auto& c = GetParam();
  state.nextOpenFont = Font(c.ppi);
  if (c.height) set("memoFont", "height", c.height);
  if (c.size) set("memoFont", "size", c.size);
  inifileyomu();
  EXPECT_EQ(state.nextOpenFont.height(), c.expectedHeight);
  EXPECT_EQ(state.nextOpenFont.size(), c.expectedSize);
}

INSTANTIATE_TEST_SUITE_P(Table, FontSizeReading,
                         ::testing::Values(FontSizeCase{96, "-30", "11", -15, 11},
                                           FontSizeCase{96, "-30", nullptr, -15, 11},
                                           FontSizeCase{96, nullptr, "22", -29, 22},
                                           FontSizeCase{96, "-8", "bad", -15, 11},
                                           FontSizeCase{120, "-99", "9", -15, 9},
                                           FontSizeCase{144, nullptr, "11", -22, 11}));

TEST_F(SettingsTest, UnknownPitchKeepsTheFontsOwnAndTheWrittenPitchIsWhatTheFontHas) {
  state.nextOpenFont.pitch = Pitch::Fixed;
  set("memoFont", "pitch", "7");
  inifileyomu();
  EXPECT_EQ(state.nextOpenFont.pitch, Pitch::Fixed);
  inifilekaku();
  EXPECT_EQ(stored("memoFont", "pitch"), "1");

  for (auto [text, pitch] : {std::pair{"0", Pitch::Default}, {"1", Pitch::Fixed}, {"2", Pitch::Variable}}) {
    set("memoFont", "pitch", text);
    inifileyomu();
    EXPECT_EQ(state.nextOpenFont.pitch, pitch) << text;
  }
}

TEST_F(SettingsTest, EmptyFaceNameKeepsTheCurrentOneAndLongOnesAreCut) {
  state.nextOpenFont.name = "IPAGothic";
  set("memoFont", "name", "");
  inifileyomu();
  EXPECT_EQ(state.nextOpenFont.name, "IPAGothic");

  set("memoFont", "name", std::string(40, 'F'));
  inifileyomu();
  EXPECT_EQ(state.nextOpenFont.name, std::string(31, 'F'));

  // 15 double-byte characters and one more would end on a lone lead byte at 31.
  std::string japanese;
  for (int i = 0; i < 16; ++i) japanese += "ゴ";
  set("memoFont", "name", japanese);
  inifileyomu();
  EXPECT_EQ(state.nextOpenFont.name, japanese.substr(0, 15 * 3)) << "15 characters, 30 bytes in Shift_JIS";
}

TEST_F(SettingsTest, ColourValuesReadInHexAreWrittenAsSignedDecimal) {
  set("memoFont", "color", "0x000000FF");
  set("memoFont", "backcolor", "0x80000005");
  inifileyomu();
  EXPECT_EQ(state.nextOpenFont.color, 0x000000FFu);
  EXPECT_EQ(state.backColour, 0x80000005u);
  inifilekaku();
  EXPECT_EQ(stored("memoFont", "color"), "255");
  EXPECT_EQ(stored("memoFont", "backcolor"), "-2147483643");

  state.nextOpenFont.color = clWindowText;
  inifilekaku();
  EXPECT_EQ(stored("memoFont", "color"), "-2147483640");
}

TEST_F(SettingsTest, LongValuesComeBackCutAt2047BytesNeverInsideACharacter) {
  set("combobox", "items0", std::string(3000, 'a'));
  std::string japanese;  // the 1024th character's lead byte is the 2047th byte
  for (int i = 0; i < 1500; ++i) japanese += "あ";
  set("combobox", "items1", japanese);
  inifileyomu();
  EXPECT_EQ(phrases.items()[0], std::string(2047, 'a'));
  EXPECT_EQ(phrases.items()[1], japanese.substr(0, 1023 * 3)) << "1023 characters, 2046 bytes in Shift_JIS";
}

TEST_F(SettingsTest, SecondInstanceOpensTwentyPixelsRightAndBelow) {
  set("form", "left", "300");
  set("form", "top", "200");
  state.secondInstance = true;
  inifileyomu();
  EXPECT_EQ(form.bounds(), (Rect{320, 220, 280, 380}));
}

TEST_F(SettingsTest, FirstCloseWritesTheFourSectionsInOrder) {
  inifileyomu();
  form.setBounds({10, 20, 300, 400});
  inifilekaku();
  EXPECT_EQ(profile.sectionNames(iniPath), (std::vector<std::string>{"form", "combobox", "rireki", "memoFont"}));
  EXPECT_EQ(profile.keyNames(iniPath, "form"), (std::vector<std::string>{"left", "top", "width", "height"}));
  EXPECT_EQ(profile.keyNames(iniPath, "combobox"),
            (std::vector<std::string>{"items0", "items1", "items2", "items3", "items4", "items5", "items6",
                                      "items7", "items8", "items9"}));
  EXPECT_EQ(profile.keyNames(iniPath, "rireki"),
            (std::vector<std::string>{"filmei0", "filmei1", "filmei2", "filmei3", "filmei4"}));
  const std::string text = profile.text(iniPath);
  EXPECT_NE(text.find("[form]\r\nleft=10\r\ntop=20\r\nwidth=300\r\nheight=400\r\n"), std::string::npos);
  EXPECT_NE(text.find("items9=それではまた\r\n"), std::string::npos);
  EXPECT_NE(text.find("filmei4=nothing\r\n"), std::string::npos);
  EXPECT_NE(text.find("[memoFont]\r\ncharset=128\r\ncolor=-2147483640\r\nheight=-15\r\nname=ＭＳ Ｐゴシック\r\n"
                      "pitch=0\r\nsize=11\r\nbold=0\r\nitalic=0\r\nunderline=0\r\nstrikeout=0\r\n"
                      "backcolor=-2147483643\r\n"),
            std::string::npos)
      << text;
}

// The system menu's check mark is the setting, both ways.
TEST_F(SettingsTest, GoingOnAtTheNextStartIsTheSystemMenusCheck) {
  inifileyomu();
  main.sysMenuOnOff(1004);
  EXPECT_TRUE(form.menuItems[1004].checked);
  inifilekaku();
  EXPECT_EQ(stored("form", "resume"), "1");
  set("form", "resume", "0");
  inifileyomu();
  EXPECT_FALSE(state.resumeAtClose || form.menuItems[1004].checked);
}

TEST_F(SettingsTest, FailedWriteStopsAtThatKeyAndNamesTheFile) {
  profile.failFromWrite = 6;  // combobox/items1
  try {
    inifilekaku();
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "C:\\Tools\\kakipo.ini に書き込めません");
  }
  EXPECT_EQ(profile.writes, 6);
  EXPECT_EQ(stored("combobox", "items0"), "Hi EveryOne,");
  EXPECT_EQ(stored("combobox", "items1"), "<missing>");
  EXPECT_EQ(stored("memoFont", "charset"), "<missing>");

  profile.failFromWrite = 0;  // the next close tries again, from the start
  EXPECT_NO_THROW(inifilekaku());
  EXPECT_EQ(stored("memoFont", "backcolor"), "-2147483643");
}

TEST_F(SettingsTest, ReachesTheGeneralErrorBoxThroughDispatch) {
  profile.failFromWrite = 1;
  form.setCaption("カキポ ");
  main.dispatch([&] { inifilekaku(); });
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "C:\\Tools\\kakipo.ini に書き込めません.");
  EXPECT_EQ(ui.shown[0].flags, mb::ok | mb::iconError);
}

TEST_F(SettingsTest, EverythingWrittenComesBackAtTheNextStart) {
  inifileyomu();
  form.setBounds({-8, 33, 500, 600});
  auto items = phrases.items();
  items[0] = "編集した定型文";
  phrases.setItems(items);
  state.history = {"C:\\a.txt", "D:\\表.kpo", "nothing", "nothing", "nothing"};
  state.nextOpenFont.name = "IPAGothic";
  state.nextOpenFont.setSize(14);
  state.nextOpenFont.pitch = Pitch::Variable;
  state.nextOpenFont.color = 0x00112233;
  state.nextOpenFont.style = {true, false, true, false};
  state.backColour = 0x00FFEEDD;
  main.setTopmost(true);
  main.document.newDocumentEncoding = TextEncoding::Utf8;
  inifilekaku();

  test::MainFormHarness h2{&profile};
  test::FakeForm& form2 = h2.form;
  test::FakePhraseBox& phrases2 = h2.phrases;
  MainForm& main2 = h2.main;
  main2.syokika();
  Settings settings2{main2.state, profile, iniPath};
  main2.applySettings(settings2.inifileyomu());
  EXPECT_EQ(form2.bounds(), form.bounds());
  EXPECT_EQ(phrases2.items(), phrases.items());
  EXPECT_EQ(main2.state.history, state.history);
  EXPECT_EQ(main2.state.nextOpenFont, state.nextOpenFont);
  EXPECT_EQ(main2.state.backColour, state.backColour);
  EXPECT_TRUE(main2.state.topmost && main2.document.newDocumentEncoding == TextEncoding::Utf8);
  EXPECT_EQ(main2.document.encoding, TextEncoding::Utf8) << "the untitled document of the start";
}

// Once in the file, an added key is written at its default too, or the old value would come back.
TEST_F(SettingsTest, AddedKeysAreWrittenOnceTheyLeaveTheirDefaults) {
  set("form", "resume", "1");
  set("form", "topmost", "1");
  set("sinki", "encoding", "UTF-8 BOM");
  inifilekaku();
  EXPECT_EQ(stored("form", "resume"), "0");
  EXPECT_EQ(stored("form", "topmost"), "0");
  EXPECT_EQ(stored("sinki", "encoding"), "Shift_JIS");
  // Only the encodings a new document may have are read; anything else is the default.
  for (auto [name, encoding] : {std::pair{"UTF-8", TextEncoding::Utf8}, {"UTF-16 LE", TextEncoding::ShiftJis}}) {
    set("sinki", "encoding", name);
    EXPECT_EQ(settings.inifileyomu().newDocumentEncoding, encoding) << name;
  }
}

struct PathCase {
  const char* exe;
  const char* ini;
};

void PrintTo(const PathCase& c, std::ostream* os) { *os << printable(c.exe); }

class SettingsPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(SettingsPath, ReplacesTheFileNamesExtension) {
  EXPECT_EQ(settingsPathFor(GetParam().exe), GetParam().ini);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsPath,
    ::testing::Values(PathCase{"C:\\Tools\\kakipo.exe", "C:\\Tools\\kakipo.ini"},
                      PathCase{"C:\\Tools\\kakipo", "C:\\Tools\\kakipo.ini"},
                      PathCase{"C:\\v1.2\\kakipo", "C:\\v1.2\\kakipo.ini"},
                      PathCase{"C:\\v1.2\\kakipo.old.exe", "C:\\v1.2\\kakipo.old.ini"},
                      PathCase{"C:\\表\\kakipo.exe", "C:\\表\\kakipo.ini"},   // 表 = 95 5C
                      PathCase{"C:\\a.b\\表", "C:\\a.b\\表.ini"},             // 5C is no separator
                      PathCase{"C:kakipo.exe", "C:kakipo.ini"},
                      PathCase{"\\\\server\\share.d\\kakipo.EXE", "\\\\server\\share.d\\kakipo.ini"}));

}  // namespace
}  // namespace kakipo
