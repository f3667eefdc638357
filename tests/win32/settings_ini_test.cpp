// The settings logic over the real private-profile functions and a real file, in a folder whose
// name holds a trail byte 0x5C (表) and a dot.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "core/errors.h"
#include "app/main_form.h"
#include "app/settings.h"
#include "core/text_codec.h"
#include "support/main_form_harness.h"
#include "support/sjis.h"
#include "win32/encoding.h"
#include "win32/private_profile.h"

namespace kakipo::win32 {
namespace {

// One running program as far as the settings file is concerned.
struct Instance {
  Instance(const std::string& path, bool second) : settings(main.state, profile, path) {
    main.syokika();
    main.state.secondInstance = second;
  }
  test::MainFormHarness h;
  test::MemoryEditor& memo1 = h.memo1;
  test::FakeForm& form = h.form;
  test::FakePhraseBox& phrases = h.phrases;
  test::ScriptedMessageBoxes& ui = h.ui;
  MainForm& main = h.main;
  PrivateProfile profile;
  Settings settings;
};

struct SettingsFileTest : ::testing::Test {
  std::string folder;
  std::string path;

  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder = narrow(temp) + "カキポ表.v" + std::to_string(GetCurrentProcessId());
    CreateDirectoryW(widen(folder).c_str(), nullptr);
    path = settingsPathFor(folder + "\\kakipo.exe");
  }
  void TearDown() override {
    SetFileAttributesW(widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(widen(path).c_str());
    RemoveDirectoryW(widen(folder).c_str());
  }
  std::string fileBytes() const {
    std::ifstream in(std::wstring(widen(path)).c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void writeFile(const std::string& bytes) const {
    std::ofstream out(std::wstring(widen(path)).c_str(), std::ios::binary);
    out << bytes;
  }
  std::unique_ptr<Instance> start(bool second = false) {
    auto p = std::make_unique<Instance>(path, second);
    p->main.applySettings(p->settings.inifileyomu());
    return p;
  }
};

TEST_F(SettingsFileTest, FirstCloseCreatesTheFourSectionsInOrder) {
  EXPECT_EQ(path.substr(path.size() - 11), "\\kakipo.ini");
  auto a = start();
  EXPECT_EQ(a->form.bounds(), (Rect{0, 0, 280, 380}));
  a->form.setBounds({40, 50, 300, 420});
  a->settings.inifilekaku(a->main.settingsToWrite());

  const std::string text = fileBytes();
  const auto form = text.find("[form]");
  const auto combobox = text.find("[combobox]");
  const auto rireki = text.find("[rireki]");
  const auto memoFont = text.find("[memoFont]");
  ASSERT_NE(form, std::string::npos) << text;
  ASSERT_NE(memoFont, std::string::npos) << text;
  EXPECT_LT(form, combobox);
  EXPECT_LT(combobox, rireki);
  EXPECT_LT(rireki, memoFont);
  // Every value fits Shift_JIS: the file is what every earlier version wrote and reads.
  for (const char* line : {"left=40\r\n", "top=50\r\n", "width=300\r\n", "height=420\r\n", "items0=Hi EveryOne,\r\n",
                           "items9=それではまた\r\n", "filmei4=nothing\r\n", "name=ＭＳ Ｐゴシック\r\n",
                           "color=-2147483640\r\n", "underline=0\r\n", "strikeout=0\r\n", "backcolor=-2147483643\r\n"}) {
    EXPECT_NE(text.find(test::sjis(line)), std::string::npos) << line;
  }
}

// A value Shift_JIS cannot hold turns the file into UTF-16 with its mark, keeping what it held;
// every value then comes back exactly through the same profile functions, and the file stays so.
TEST_F(SettingsFileTest, AValueShiftJisCannotHoldMakesTheFileUtf16AndEveryValueComesBack) {
  writeFile("[form]\r\nleft=77\r\n[extra]\r\nkept=" + test::sjis("表") + "\r\n");
  auto a = start();
  auto items = a->phrases.items();
  items[9] = "鷗外と \U0001F600 café";
  a->phrases.setItems(items);
  a->main.state.history[0] = "C:\\Åse 한\\résumé \U0001F600.txt";
  a->settings.inifilekaku(a->main.settingsToWrite());
  const std::string bytes = fileBytes();
  ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  EXPECT_NE(bytes.find(encodeText("kept=表\r\n", TextEncoding::Utf16Le)), std::string::npos) << "the other values stay";

  auto b = start();
  EXPECT_EQ(b->phrases.items()[9], "鷗外と \U0001F600 café");
  EXPECT_EQ(b->main.state.history[0], "C:\\Åse 한\\résumé \U0001F600.txt");
  EXPECT_EQ(b->form.bounds().left, 77);
  b->main.state.history[0] = "C:\\plain.txt";
  auto plain = b->phrases.items();
  plain[9] = "plain";
  b->phrases.setItems(plain);
  b->settings.inifilekaku(b->main.settingsToWrite());
  EXPECT_EQ(fileBytes().substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(start()->main.state.history[0], "C:\\plain.txt");
}

TEST_F(SettingsFileTest, ValuesRoundTripThroughACloseAndAStart) {
  auto a = start();
  a->form.setBounds({-4, 12, 333, 444});
  auto items = a->phrases.items();
  items[9] = "編集した定型文：予定表";
  items[0] = std::string(3000, 'x');
  a->phrases.setItems(items);
  a->main.state.history = {"C:\\表\\メモ.txt", "D:\\b.kpo", "nothing", "nothing", "nothing"};
  a->main.state.nextOpenFont.name = "ＭＳ 明朝";
  a->main.state.nextOpenFont.setSize(16);
  a->main.state.nextOpenFont.style = {false, true, true, false};
  a->main.state.backColour = 0x00CCFFFF;
  a->settings.inifilekaku(a->main.settingsToWrite());

  auto b = start();
  EXPECT_EQ(b->form.bounds(), (Rect{-4, 12, 333, 444}));
  EXPECT_EQ(b->phrases.items()[9], "編集した定型文：予定表");
  EXPECT_EQ(b->phrases.items()[0], std::string(2047, 'x'));
  EXPECT_EQ(b->main.state.history, a->main.state.history);
  EXPECT_EQ(b->main.state.nextOpenFont, a->main.state.nextOpenFont);
  EXPECT_EQ(b->main.state.backColour, 0x00CCFFFFu);
  EXPECT_EQ(b->memo1.defaultFormat(), a->main.state.nextOpenFont);
}

TEST_F(SettingsFileTest, HandWrittenValuesFollowTheReadingRules) {
  writeFile(
      "[memoFont]\r\n"
      "color=0x000000FF\r\n"
      "height=-30\r\n"
      "size=11\r\n"
      "UnderLine=1\r\n"
      "pitch=7\r\n"
      "backcolor=$80000005\r\n"
      "[FORM]\r\n"
      "Left = 7 \r\n"
      "width=wide\r\n");
  auto a = start();
  EXPECT_EQ(a->main.state.nextOpenFont.color, 255u);
  EXPECT_EQ(a->main.state.nextOpenFont.height(), -15);
  EXPECT_TRUE(a->main.state.nextOpenFont.style.underline);
  EXPECT_EQ(a->main.state.nextOpenFont.pitch, Pitch::Default);
  EXPECT_EQ(a->main.state.backColour, 0x80000005u);
  EXPECT_EQ(a->form.bounds(), (Rect{7, 0, 280, 380}));

  a->settings.inifilekaku(a->main.settingsToWrite());
  const std::string text = fileBytes();
  EXPECT_NE(text.find("color=255\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("backcolor=-2147483643\r\n"), std::string::npos);
  EXPECT_NE(text.find("UnderLine=1\r\n"), std::string::npos) << "a key is replaced where it stands";
  EXPECT_EQ(text.find("underline="), std::string::npos) << "key names are matched regardless of case";
  EXPECT_NE(text.find("pitch=0\r\n"), std::string::npos);
}

void expectWriteError(Instance& a, const std::string& path) {
  try {
    a.settings.inifilekaku(a.main.settingsToWrite());
    ADD_FAILURE() << "the write did not fail";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), path + " に書き込めません");
  }
}

TEST_F(SettingsFileTest, ReadOnlyFileStartsWithItsValuesAndRefusesTheClose) {
  writeFile("[form]\r\nleft=123\r\n");
  ASSERT_TRUE(SetFileAttributesW(widen(path).c_str(), FILE_ATTRIBUTE_READONLY));
  HANDLE probe = CreateFileW(widen(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    CloseHandle(probe);
    GTEST_SKIP() << "this system lets us write a read-only file (Wine run as root)";
  }
  auto a = start();
  EXPECT_EQ(a->form.bounds().left, 123);
  a->form.setBounds({1, 2, 3, 4});
  expectWriteError(*a, path);
  EXPECT_EQ(fileBytes(), "[form]\r\nleft=123\r\n");

  // Once the file is writable again, the next close writes everything.
  SetFileAttributesW(widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_NO_THROW(a->settings.inifilekaku(a->main.settingsToWrite()));
  EXPECT_NE(fileBytes().find("backcolor="), std::string::npos);
}

TEST_F(SettingsFileTest, FileHeldByAnotherProgramRefusesTheCloseUntilItIsFree) {
  writeFile("[form]\r\nleft=123\r\n");
  auto a = start();
  EXPECT_EQ(a->form.bounds().left, 123);
  a->form.setBounds({1, 2, 3, 4});
  HANDLE held = CreateFileW(widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  expectWriteError(*a, path);
  CloseHandle(held);
  EXPECT_EQ(fileBytes(), "[form]\r\nleft=123\r\n");

  EXPECT_NO_THROW(a->settings.inifilekaku(a->main.settingsToWrite()));
  EXPECT_NE(fileBytes().find("left=1\r\n"), std::string::npos);
  EXPECT_NE(fileBytes().find("backcolor="), std::string::npos);
}

TEST_F(SettingsFileTest, TheInstanceThatClosesLastDecidesAndTheSecondOpensOffset) {
  writeFile("[form]\r\nleft=100\r\ntop=100\r\n");
  auto first = start();
  auto second = start(true);
  EXPECT_EQ(second->form.bounds().left, 120);
  EXPECT_EQ(second->form.bounds().top, 120);

  auto items = first->phrases.items();
  items[0] = "first's phrase";
  first->phrases.setItems(items);
  first->settings.inifilekaku(first->main.settingsToWrite());
  second->settings.inifilekaku(second->main.settingsToWrite());

  auto next = start();
  EXPECT_EQ(next->form.bounds().left, 120);
  EXPECT_EQ(next->phrases.items()[0], "Hi EveryOne,") << "the second closed last and stored its own list";
}

}  // namespace
}  // namespace kakipo::win32
