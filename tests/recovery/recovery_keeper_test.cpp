#include "recovery/recovery_keeper.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "recovery/recovery_fakes.h"
#include "support/scripted_ui.h"

namespace kakipo {
namespace {

enum class Step {
  Type,        // a key, then a tick of the 200 ms timer
  KeepTyping,  // a key at every tick for 30 s
  Pause,       // 2 s of ticks without a key
  Idle,        // 30 s of ticks without a key
  Done,        // the worker finishes the oldest write, if any
  Unmodify,    // saved, declined at the question, New, Open or a clean close; then settled()
  Load,        // a file is loaded: the content changes, unmodified, and nothing settles
  DiskFails,   // every write from now on fails
  Broken,      // the editor cannot give its content out
};

struct Session {
  test::FakeRecoveryStore store;
  test::FakeRecoveryDocument doc;
  test::ScriptedMessageBoxes ui;
  RecoveryKeeper keeper{store, doc, ui};
  Millis now = 0;

  void ticks(Millis span, bool typing) {
    for (const Millis end = now + span; now < end; keeper.tick(now += 200)) {
      if (!typing) continue;
      doc.current.content += 'x';
      doc.isModified = true;
      keeper.changed(now);
    }
  }
  void run(Step step) {
    using enum Step;
    if (step == Type) ticks(200, true);
    if (step == KeepTyping || step == Idle) ticks(RecoveryKeeper::longestWaitMs, step == KeepTyping);
    if (step == Pause) ticks(RecoveryKeeper::pauseMs, false);
    if (step == Done && !store.pending.empty()) keeper.writeFinished(store.finishWrite(), now);
    if (step == Unmodify || step == Load) doc.isModified = false;
    if (step == Unmodify) keeper.settled();
    if (step == Load) keeper.changed(now);
    store.failWrites |= step == DiskFails;
    doc.broken |= step == Broken;
  }
};

TEST(RecoveryKeeperTest, WhenTheRecoveryFileIsWrittenAndRemoved) {
  using enum Step;
  struct Row {
    const char* what;
    std::vector<Step> steps;
    std::optional<std::string> file;  // what this instance's recovery file holds; none: absent
    int writesStarted;
    int boxes;
  };
  const Row rows[] = {
      {"a change waits for a pause", {Type}, std::nullopt, 0, 0},
      {"a pause in typing writes the text", {Type, Pause, Done}, "x", 1, 0},
      {"typing without a pause is written within 30 s", {KeepTyping, Done}, std::string(150, 'x'), 1, 0},
      {"one write at a time", {Type, Pause, Type, Pause, Done}, "x", 1, 0},
      {"a safe text's file goes", {Type, Pause, Done, Unmodify}, std::nullopt, 1, 0},
      {"a tick notices a safe text", {Type, Pause, Done, Load, Pause}, std::nullopt, 1, 0},
      {"removal waits for the write under way", {Type, Pause, Unmodify, Done}, std::nullopt, 1, 0},
      {"text typed after a save is kept again", {Type, Pause, Unmodify, Type, Done, Pause, Done}, "xx", 2, 0},
      {"a load alone writes nothing", {Load, Pause}, std::nullopt, 0, 0},
      {"a failed write leaves the previous file", {Type, Pause, Done, DiskFails, Type, Pause, Done}, "x", 2, 1},
      {"a failure is retried 30 s later and told once",
       {DiskFails, Type, Pause, Done, Pause, Done, Idle, Done}, std::nullopt, 2, 1},
      {"an editor that cannot give its text is told once", {Broken, Type, Pause, Idle}, std::nullopt, 0, 1},
  };
  for (const auto& row : rows) {
    Session s;
    for (const Step step : row.steps) s.run(step);
    ASSERT_EQ(s.store.holds("own"), row.file.has_value()) << row.what;
    if (row.file) {
      EXPECT_EQ(parseRecoveryFile(s.store.files["own"].bytes).content, *row.file) << row.what;
    }
    EXPECT_EQ(s.store.writesStarted, row.writesStarted) << row.what;
    EXPECT_EQ(s.ui.shown.size(), static_cast<std::size_t>(row.boxes)) << row.what;
  }
}

}  // namespace
}  // namespace kakipo
