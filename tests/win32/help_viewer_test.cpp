// The help viewer as a real window under Wine: lookups selecting and scrolling in the rich-edit
// panes, the right-click cross references, the tab status texts and the layout rules.
#include "win32/help_viewer.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <richedit.h>

#include <string>

#include "help/help_content.h"
#include "help/help_texts.h"
#include "win32/about_box.h"
#include "win32/encoding.h"
#include "win32/window_probe.h"

namespace kakipo::win32 {
namespace {
using test::pump;


std::wstring windowClass(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

HTREEITEM findNode(HWND tree, HTREEITEM item, const std::wstring& text) {
  for (; item; item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
    wchar_t buffer[128] = {};
    TVITEMW tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = buffer;
    tv.cchTextMax = 128;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
    if (text == buffer) return item;
    const auto child = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
    if (HTREEITEM found = findNode(tree, child, text)) return found;
  }
  return nullptr;
}

int lineInText(const std::string& text, const std::string& what) {
  int line = 0;
  const auto at = text.find(what);
  for (auto p = text.find("\r\n"); p != std::string::npos && p < at; p = text.find("\r\n", p + 2)) ++line;
  return line;
}

// The line that holds a match is at the top, or the pane is scrolled as far down as it goes.
void expectAtTopOrAsFarAsPossible(RichEditPane& pane, int line) {
  const int top = pane.firstVisibleLine();
  if (top == line) return;
  EXPECT_LT(top, line);
  SendMessageW(pane.hwnd(), EM_LINESCROLL, 0, 1);
  EXPECT_EQ(pane.firstVisibleLine(), top) << "the pane could have scrolled further";
}

struct HelpViewerTest : ::testing::Test {
  void SetUp() override {
    HelpViewerWindow::show();
    pump();
    viewer = HelpViewerWindow::instance();
    ASSERT_NE(viewer, nullptr);
  }
  void TearDown() override {
    HelpViewerWindow::release();
    pump();
    EXPECT_EQ(HelpViewerWindow::instance(), nullptr);
  }
  void switchTab(HWND tab, int index) {
    SendMessageW(tab, TCM_SETCURSEL, index, 0);
    NMHDR hdr{tab, static_cast<UINT_PTR>(GetDlgCtrlID(tab)), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(viewer->hwnd(), WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
  }
  HelpViewerWindow* viewer = nullptr;
};

TEST_F(HelpViewerTest, OpensCentredOnContentsAndBodyWithTheBodyStatus) {
  EXPECT_EQ(windowClass(viewer->hwnd()), L"TFormVajHel");
  RECT r;
  GetWindowRect(viewer->hwnd(), &r);
  EXPECT_EQ(r.right - r.left, 600);
  EXPECT_EQ(r.bottom - r.top, 400);
  EXPECT_NEAR(r.left, (GetSystemMetrics(SM_CXSCREEN) - 600) / 2, 1);
  EXPECT_EQ(SendMessageW(viewer->pageControl1(), TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(viewer->activePage(), HelpPage::Body);
  EXPECT_TRUE(IsWindowVisible(viewer->treeView()));
  EXPECT_FALSE(IsWindowVisible(viewer->listBox()));
  EXPECT_EQ(viewer->statusText(), texts::honbunStatus);
  // Every entry, keyword and line of the help content is shown, however the content grows.
  const auto lines = [](const std::string& text) {
    std::size_t n = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++n;
    return static_cast<int>(n);
  };
  EXPECT_EQ(SendMessageW(viewer->treeView(), TVM_GETCOUNT, 0, 0), static_cast<LRESULT>(help::contentsTree().size()));
  EXPECT_EQ(SendMessageW(viewer->listBox(), LB_GETCOUNT, 0, 0), static_cast<LRESULT>(help::keywords().size()));
  EXPECT_EQ(viewer->richEdit1().text(), help::bodyText());
  EXPECT_EQ(viewer->richEdit1().lineCount(), lines(help::bodyText()));
  EXPECT_EQ(viewer->richEdit2().lineCount(), lines(help::detailText()));
  EXPECT_EQ(viewer->richEdit1().firstVisibleLine(), 0);
  EXPECT_EQ(viewer->leftPaneWidth(), 200);
  const auto options = SendMessageW(viewer->richEdit1().hwnd(), EM_GETOPTIONS, 0, 0);
  EXPECT_TRUE(options & ECO_READONLY);
  EXPECT_TRUE(SendMessageW(viewer->richEdit2().hwnd(), EM_GETTEXTMODE, 0, 0) & TM_PLAINTEXT);
}

TEST_F(HelpViewerTest, TreeEntrySelectsItsHeadAndBringsItsLineToTheTop) {
  switchTab(viewer->pageControl2(), 1);
  HWND tree = viewer->treeView();
  const auto root = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  HTREEITEM node = findNode(tree, root, L"・文字列の検索");
  ASSERT_NE(node, nullptr);
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
  // A click is reported by the tree as NM_CLICK; the viewer looks at the selection after it.
  NMHDR hdr{tree, static_cast<UINT_PTR>(GetDlgCtrlID(tree)), static_cast<UINT>(NM_CLICK)};
  SendMessageW(viewer->hwnd(), WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
  pump();
  EXPECT_EQ(viewer->activePage(), HelpPage::Body);
  EXPECT_TRUE(IsWindowVisible(viewer->richEdit1().hwnd()));
  EXPECT_EQ(viewer->statusText(), texts::honbunStatus);
  RichEditPane& body = viewer->richEdit1();
  EXPECT_EQ(body.selText(), "・文字列の検索");
  const int line = lineInText(help::bodyText(), "・文字列の検索");
  EXPECT_EQ(body.lineFromOffset(body.selStart()), line);
  EXPECT_EQ(body.firstVisibleLine(), line);
}

TEST_F(HelpViewerTest, LastTreeEntryEndsAsFarUpAsTheTextAllows) {
  HWND tree = viewer->treeView();
  const auto root = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(findNode(tree, root, L"・変更履歴")));
  SendMessageW(tree, WM_KEYUP, VK_DOWN, 0);
  // VK_DOWN was never pressed, so the selection stays; the key-up looks it up.
  EXPECT_EQ(viewer->richEdit1().selText(), "・変更履歴");
  expectAtTopOrAsFarAsPossible(viewer->richEdit1(), lineInText(help::bodyText(), "・変更履歴"));
  EXPECT_GT(viewer->richEdit1().firstVisibleLine(), 100);
}

TEST_F(HelpViewerTest, KeywordShowsTheDetailPageWithItsEntryAtTheTop) {
  switchTab(viewer->pageControl1(), 1);
  EXPECT_TRUE(IsWindowVisible(viewer->listBox()));
  SendMessageW(viewer->listBox(), LB_SETCURSEL, 5, 0);  // <背景色>
  SendMessageW(viewer->listBox(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(viewer->activePage(), HelpPage::Detail);
  EXPECT_TRUE(IsWindowVisible(viewer->richEdit2().hwnd()));
  EXPECT_EQ(viewer->statusText(), texts::syosaiStatus);
  EXPECT_EQ(viewer->richEdit2().selText(), "<背景色>");
  EXPECT_EQ(viewer->richEdit2().firstVisibleLine(), lineInText(help::detailText(), "<背景色>"));

  SendMessageW(viewer->listBox(), LB_SETCURSEL, 12, 0);  // <ステータスバー>, the last entry
  SendMessageW(viewer->listBox(), WM_KEYUP, VK_END, 0);
  EXPECT_EQ(viewer->richEdit2().selText(), "<ステータスバー>");
  expectAtTopOrAsFarAsPossible(viewer->richEdit2(), lineInText(help::detailText(), "<ステータスバー>"));
}

TEST_F(HelpViewerTest, RightClickOnAKeywordWithBlanksAroundShowsItsDetailEntry) {
  RichEditPane& body = viewer->richEdit1();
  const std::string& text = help::bodyText();
  // From the end of the line before, across the line break and the indentation, to the keyword.
  const std::string around = "\r\n <フォント>";
  const auto at = text.find(around);
  ASSERT_NE(at, std::string::npos);
  body.select(static_cast<int>(at), static_cast<int>(around.size()));
  ASSERT_EQ(body.selText(), around);
  SendMessageW(body.hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(viewer->activePage(), HelpPage::Detail);
  EXPECT_EQ(viewer->richEdit2().selText(), "<フォント>");
  EXPECT_EQ(viewer->richEdit2().firstVisibleLine(), lineInText(help::detailText(), "<フォント>"));
}

TEST_F(HelpViewerTest, RightClickInTheDetailShowsTheFirstMentionInTheIntroduction) {
  switchTab(viewer->pageControl2(), 1);
  RichEditPane& detail = viewer->richEdit2();
  detail.select(0, static_cast<int>(std::string("<RTF形式>").size()));
  SendMessageW(detail.hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(viewer->activePage(), HelpPage::Body);
  EXPECT_EQ(viewer->richEdit1().selText(), "<RTF形式>");
  const int line = lineInText(help::bodyText(), "<RTF形式>");
  EXPECT_LT(line, lineInText(help::bodyText(), "・起動方法"));
  EXPECT_EQ(viewer->richEdit1().firstVisibleLine(), line);
}

TEST_F(HelpViewerTest, OtherClicksAndUnknownSelectionsChangeNothingButTheCollapse) {
  RichEditPane& detail = viewer->richEdit2();
  detail.select(1, 3);  // RTF
  SendMessageW(detail.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(detail.selLength(), 3);
  RichEditPane& body = viewer->richEdit1();
  body.select(0, 6);  // カキポ: no detail entry
  SendMessageW(body.hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(viewer->activePage(), HelpPage::Body);
  EXPECT_EQ(detail.selStart(), 0);
  EXPECT_EQ(detail.selLength(), 0);
}

TEST_F(HelpViewerTest, SwitchingTabsByHandSetsTheStatusTexts) {
  switchTab(viewer->pageControl2(), 1);
  EXPECT_EQ(viewer->statusText(), texts::syosaiStatus);
  EXPECT_TRUE(IsWindowVisible(viewer->richEdit2().hwnd()));
  EXPECT_FALSE(IsWindowVisible(viewer->richEdit1().hwnd()));
  switchTab(viewer->pageControl2(), 0);
  EXPECT_EQ(viewer->statusText(), texts::honbunStatus);
  wchar_t shown[200] = {};
  SendMessageW(viewer->statusBar(), SB_GETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(shown));
  if (shown[0]) {
    EXPECT_EQ(win32::narrow(shown), texts::honbunStatus);
  }
}

TEST_F(HelpViewerTest, LayoutKeepsTheLeftPaneWithinTheWindowAndAboveTheMinimum) {
  MINMAXINFO info{};
  SendMessageW(viewer->hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 150);
  EXPECT_EQ(info.ptMinTrackSize.y, 100);

  SetWindowPos(viewer->hwnd(), nullptr, 0, 0, 200, 300, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(viewer->leftPaneWidth(), 200 - 36);
  RECT splitter;
  GetWindowRect(viewer->splitter(), &splitter);
  EXPECT_EQ(splitter.right - splitter.left, 6);

  SetWindowPos(viewer->hwnd(), nullptr, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER);
  HWND s = viewer->splitter();
  SendMessageW(s, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 10));
  SendMessageW(s, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-400), 10));
  SendMessageW(s, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(-400), 10));
  EXPECT_EQ(viewer->leftPaneWidth(), 30);
  RECT pc;
  GetWindowRect(viewer->pageControl1(), &pc);
  EXPECT_EQ(pc.right - pc.left, 30);
}

TEST_F(HelpViewerTest, ShowingAgainKeepsTheViewerAndClosingReleasesIt) {
  HelpViewerWindow::show();
  EXPECT_EQ(HelpViewerWindow::instance(), viewer);
  SendMessageW(viewer->hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(HelpViewerWindow::instance(), nullptr);
  EXPECT_EQ(FindWindowW(L"TFormVajHel", nullptr), nullptr);
  HelpViewerWindow::show();  // a new one, so TearDown has something to release
  pump();
  EXPECT_NE(HelpViewerWindow::instance(), nullptr);
}

}  // namespace
}  // namespace kakipo::win32
