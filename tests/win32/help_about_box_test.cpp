// The about box under Wine: a new box per showing, its results, and the version-and-help button
// opening the viewer only on "ヘルプ表示".
#include "win32/about_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "help/help_command.h"
#include "help/help_texts.h"
#include "win32/encoding.h"
#include "win32/help_viewer.h"

namespace kakipo::win32 {
namespace {

std::function<void(AboutBoxWindow&)> action;
std::vector<std::wstring> texts;
bool ownerDisabled = false;

BOOL CALLBACK collectText(HWND hwnd, LPARAM) {
  wchar_t buffer[128] = {};
  GetWindowTextW(hwnd, buffer, 128);
  texts.push_back(buffer);
  return TRUE;
}

// Acts on the box from inside its modal loop, as a user would once it is up.
void CALLBACK onTimer(HWND, UINT, UINT_PTR id, DWORD) {
  AboutBoxWindow* box = AboutBoxWindow::instance();
  if (!box) return;
  KillTimer(nullptr, id);
  texts.clear();
  EnumChildWindows(box->hwnd(), collectText, 0);
  wchar_t caption[64] = {};
  GetWindowTextW(box->hwnd(), caption, 64);
  texts.push_back(caption);
  wchar_t cls[64] = {};
  GetClassNameW(box->hwnd(), cls, 64);
  texts.push_back(cls);
  ownerDisabled = !IsWindowEnabled(GetWindow(box->hwnd(), GW_OWNER));
  action(*box);
}

struct AboutBoxTest : ::testing::Test {
  void SetUp() override {
    owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  }
  void TearDown() override {
    DestroyWindow(owner);
    HelpViewerWindow::release();
  }
  int showWith(std::function<void(AboutBoxWindow&)> act) {
    action = std::move(act);
    SetTimer(nullptr, 0, 30, onTimer);
    return AboutBoxWindow::show(owner);
  }
  bool shown(const std::string& text) {
    const std::wstring w = win32::widen(text);
    return std::find(texts.begin(), texts.end(), w) != texts.end();
  }
  HWND owner = nullptr;
};

TEST_F(AboutBoxTest, ShowsProductVersionAndButtonsModally) {
  const int result = showWith([](AboutBoxWindow& box) { SendMessageW(box.cancelButton(), BM_CLICK, 0, 0); });
  EXPECT_EQ(result, aboutresult::cancel);
  for (const auto* t : {&texts::aboutCaption, &texts::productName, &texts::aboutVersion,
                        &texts::aboutHelpButton, &texts::aboutCancelButton})
    EXPECT_TRUE(shown(*t)) << *t;
  EXPECT_TRUE(shown("Copyright (C) 2025\r\nカキポ制作室"));
  EXPECT_TRUE(shown("TAboutBox"));
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(AboutBoxWindow::instance(), nullptr);
  EXPECT_EQ(FindWindowW(L"TAboutBox", nullptr), nullptr);
}

TEST_F(AboutBoxTest, ResultIsOneOnlyForTheHelpButton) {
  EXPECT_EQ(showWith([](AboutBoxWindow& box) { SendMessageW(box.okButton(), BM_CLICK, 0, 0); }), 1);
  EXPECT_EQ(showWith([](AboutBoxWindow& box) { SendMessageW(box.hwnd(), WM_CLOSE, 0, 0); }), 2);
  EXPECT_EQ(showWith([](AboutBoxWindow& box) { PostMessageW(box.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0); }), 2);
  EXPECT_EQ(AboutBoxWindow::instance(), nullptr);
}

TEST_F(AboutBoxTest, HelpButtonOpensTheViewerAndCancelOpensNothing) {
  Win32HelpWindows windows{owner};
  HelpCommand command{windows};
  action = [](AboutBoxWindow& box) { SendMessageW(box.cancelButton(), BM_CLICK, 0, 0); };
  SetTimer(nullptr, 0, 30, onTimer);
  command.tbtnVajHelClick();
  EXPECT_EQ(HelpViewerWindow::instance(), nullptr);
  action = [](AboutBoxWindow& box) { SendMessageW(box.okButton(), BM_CLICK, 0, 0); };
  SetTimer(nullptr, 0, 30, onTimer);
  command.tbtnVajHelClick();
  ASSERT_NE(HelpViewerWindow::instance(), nullptr);
  EXPECT_TRUE(IsWindowVisible(HelpViewerWindow::instance()->hwnd()));
}

}  // namespace
}  // namespace kakipo::win32
