#include "documents/file_watch.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "documents/file_identity.h"
#include "documents_fixture.h"

namespace kakipo {
namespace {

using A = WatchAction;
constexpr std::int64_t t0 = 133'000'000'000'000'000;  // a file time in 2022
const FileIdentity known{true, 100, t0, std::nullopt}, doubtful{true, 100, t0, 0xAAAAu};
const FileIdentity rewritten{true, 120, t0 + 5, std::nullopt}, newer{true, 130, t0 + 9, std::nullopt};

TEST(FileIdentity, ComparesSizeAndTimeAndTheHashOnlyWhileInDoubt) {
  struct Case { FileIdentity known, onDisk; Sameness expected; };
  for (const Case& c : {Case{known, known, Sameness::same}, Case{known, {true, 101, t0, {}}, Sameness::changed},
                        Case{known, {true, 100, t0 + 1, {}}, Sameness::changed}, Case{known, {}, Sameness::gone},
                        Case{doubtful, known, Sameness::needHash}, Case{doubtful, doubtful, Sameness::same},
                        Case{doubtful, {true, 100, t0, 0xBBBBu}, Sameness::changed}})
    EXPECT_EQ(compare(c.known, c.onDisk), c.expected) << c.onDisk.size << " " << c.onDisk.lastWrite;
}

// Two seconds in 100 ns ticks; a time ahead of the reader's clock is in doubt however far ahead.
TEST(FileIdentity, DoubtRemainsWithinTheTimeResolutionOfTheLastWrite) {
  EXPECT_TRUE(doubtRemains(known, t0 + 1999 * ticksPerMs));
  EXPECT_FALSE(doubtRemains(known, t0 + 2000 * ticksPerMs));
  EXPECT_TRUE(doubtRemains(known, t0 - 60'000 * ticksPerMs));
}

// Without settling, so that each row is one event; a content hash is never readable here.
TEST(FileWatch, DecidesByDocumentStateAndWhatChangedOnDisk) {
  struct Row { const char* what; bool modified, askFirst, save; std::optional<FileIdentity> was;
               FileIdentity now; A expected; };
  for (const Row& r : {Row{"unchanged", true, false, false, known, known, A::none},
                       Row{"rewritten", false, false, false, known, rewritten, A::reloadAndTell},
                       Row{"rewritten, modified", true, false, false, known, rewritten, A::askReloadOrKeep},
                       Row{"rewritten, asking first", false, true, false, known, rewritten, A::askReloadOrKeep},
                       Row{"deleted", false, false, false, known, {}, A::tellGone},
                       Row{"content unreadable", true, false, false, doubtful, known, A::none},
                       Row{"untitled", true, false, false, {}, rewritten, A::none},
                       Row{"save, unchanged", true, false, true, known, known, A::write},
                       Row{"save, rewritten", true, false, true, known, rewritten, A::askBeforeOverwrite},
                       Row{"save, deleted", true, false, true, known, {}, A::write},
                       Row{"save, content unreadable", true, false, true, doubtful, known, A::askBeforeOverwrite}}) {
    FileWatch watch({r.askFirst, 0, 0});
    if (r.was) watch.remember(*r.was, 0);
    const A got = r.save ? watch.beforeOverwrite(r.now, 0, nullptr) : watch.check(r.modified, r.now, 0, nullptr);
    EXPECT_EQ(got, r.expected) << r.what;
  }
}

// Another program rewrites the file every 100 ms until writesUntil; the shell checks when the
// window becomes active and on its 200 ms tick while the watch waits, and reloads when told to.
struct Shell {
  Shell() { watch.remember(known, 0); }
  FileWatch watch;
  FileIdentity disk = known;
  std::vector<std::pair<std::int64_t, A>> acted;
  void run(bool modified, std::int64_t activeAt, std::int64_t until, std::int64_t writesUntil) {
    for (std::int64_t t = activeAt; t <= until; t += 100) {
      if (t < writesUntil) disk = {true, disk.size + 1, disk.lastWrite + 1, std::nullopt};
      if (t != activeAt && (!watch.waiting() || t % 200 != 0)) continue;
      const A a = watch.check(modified, disk, t, nullptr);
      if (a == A::reloadAndTell) watch.remember(disk, t);
      if (a != A::none && a != A::wait) acted.emplace_back(t, a);
    }
  }
};

TEST(FileWatch, ABurstOfWritesIsOneQuestionAskedWhenItSettles) {
  Shell s;
  s.run(true, 1000, 9000, 4000);  // 30 writes in 3 s
  ASSERT_EQ(s.acted, (std::vector<std::pair<std::int64_t, A>>{{4600, A::askReloadOrKeep}}));
  // Written again while the box is open, which activates the window as it closes.
  EXPECT_EQ(s.watch.check(true, newer, 9100, nullptr), A::none);
  EXPECT_EQ(s.watch.answered(false), A::none);
  s.run(true, 10000, 20000, 13000);
  EXPECT_EQ(s.acted.size(), 1u);  // kept: not asked again, but the overwrite still asks
  EXPECT_EQ(s.watch.beforeOverwrite(s.disk, 20000, nullptr), A::askBeforeOverwrite);
  EXPECT_EQ(s.watch.answered(true), A::write);

  Shell forever;  // a file that never stays put is still told, once
  forever.run(false, 0, 20000, 20000);
  EXPECT_EQ(forever.acted, (std::vector<std::pair<std::int64_t, A>>{{5000, A::reloadAndTell}}));
}

TEST(FileWatch, AVersionActedOnOrAQuestionAbandonedIsNotTakenUpAgain) {
  FileWatch watch({false, 0, 0});
  watch.remember(known, 0);
  ASSERT_EQ(watch.check(false, rewritten, 0, nullptr), A::reloadAndTell);
  EXPECT_EQ(watch.check(false, rewritten, 100, nullptr), A::none);  // the reload failed: no retry
  ASSERT_EQ(watch.check(true, newer, 200, nullptr), A::askReloadOrKeep);
  watch.closing();
  EXPECT_EQ(watch.answered(true), A::none);  // the box outlived the window: nothing to read into
}

// Until the file's clock has passed the time it showed, only the content tells a rewrite; after
// that the time does, and the file is not read at every activation.
TEST(FileWatch, TheContentIsHashedOnlyWhileTheTimeMayMissAWrite) {
  FileWatch watch({false, 0, 0});
  for (const std::int64_t at : {1000, 4000}) {
    int hashed = 0;
    watch.remember(doubtful, 0);
    EXPECT_EQ(watch.check(true, known, at, [] { return std::optional(0xAAAAu); }), A::none);
    const auto other = [&] { return ++hashed, std::optional(0xBBBBu); };
    EXPECT_EQ(watch.check(true, known, at + 500, other), at < 2000 ? A::askReloadOrKeep : A::none) << at;
    EXPECT_EQ(hashed, at < 2000 ? 1 : 0);
  }
}

}  // namespace
}  // namespace kakipo

namespace kakipo::test {
namespace {

// The commands act on what the watch decides: a quiet reload that keeps the caret's line and is
// told, one question for a modified document, a question before an overwrite-save whose default
// writes nothing, and the notice when the file is gone.
TEST_F(DocumentsTest, ChangesOnDiskAreReloadedAskedAboutOrToldOnce) {
  put("C:\\m.txt", "one\r\ntwo\r\nthree");
  commands.fileYomikomi("C:\\m.txt");
  memo1.setSelStart(memo1.lineStart(2));
  put("C:\\m.txt", "ONE\r\nTWO");
  commands.checkFile();  // seen, still settling
  EXPECT_EQ(memo1.text(), "one\r\ntwo\r\nthree");
  clock.ticks += 600;
  commands.timerGyoRetTimer();
  EXPECT_EQ(memo1.text(), "ONE\r\nTWO");
  EXPECT_FALSE(memo1.modified());
  EXPECT_EQ(memo1.caret().line, 1) << "the caret's line, as far as the text goes";
  EXPECT_EQ(notices, (std::vector<std::string>{"m.txt はほかのプログラムが書き換えたので、読み込み直したよ"}));
  EXPECT_TRUE(ui.shown.empty());

  typeText("mine ");
  put("C:\\m.txt", "theirs");
  ui.answers = {mb::idNo};  // keep mine
  commands.checkFile();
  clock.ticks += 600;
  commands.checkFile();
  commands.checkFile();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, "カキポ ♪ファイル変更の確認");
  EXPECT_EQ(ui.shown[0].flags, mb::yesNo | mb::iconWarning | mb::defButton2);
  ui.answers = {mb::idCancel};
  commands.tbtnUwagakiClick();
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[1].flags, mb::yesNoCancel | mb::iconWarning | mb::defButton3);
  EXPECT_EQ(files.files["C:\\m.txt"], "theirs");
  ui.answers = {mb::idYes, mb::idOk};  // overwrite, then the saved notice
  commands.tbtnUwagakiClick();
  EXPECT_EQ(files.files["C:\\m.txt"], "ONE\r\nmine TWO");

  files.files.erase("C:\\m.txt");
  ui.answers = {mb::idOk};
  clock.ticks += 600;
  commands.checkFile();
  clock.ticks += 600;
  commands.checkFile();
  EXPECT_EQ(ui.shown.back().text, "C:\\m.txt\r\n\r\nという名前のファイルは削除されたか、名前が変わったようです。内容はカキポに残っているので、保存すると作り直します");
  EXPECT_TRUE(memo1.modified());
  commands.checkFile();
  EXPECT_EQ(ui.shown.size(), 5u) << "told once";
}

}  // namespace
}  // namespace kakipo::test
