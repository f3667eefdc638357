// Which counts are shown and when they are taken: the shell forwards the editor's changes, its
// selection changes and the 200 ms timer; the keeper decides what to count and what the status
// bar's count panel and the count window show meanwhile.
//
// The rules:
// - With a selection, its counts; without, the whole document's.
// - A selection is counted at the tick after it changes, at once up to one slice; a longer one a
//   slice per tick from its start, unless it is the whole document and that is counted already.
// - The whole document is counted at the tick after a change while it fits in one slice. A longer
//   one is counted once typing has paused for pauseMs, a slice per tick, so that no tick holds up
//   a key for longer than one slice takes; a change starts it again. It waits while a selection is
//   shown and goes on afterwards.
// - Meanwhile the last counts stay, marked as still counting.
#pragma once
#include <cstdint>
#include <optional>

#include "core/clock.h"
#include "core/editor.h"
#include "editing/count_display.h"
#include "editing/count_window_view.h"
#include "editing/status_bar_view.h"
#include "editing/text_counts.h"

namespace kakipo {

class CountKeeper {
 public:
  static constexpr std::int64_t pauseMs = 500;
  // What one tick reads and counts at most.
  static constexpr int defaultSliceBytes = 256 * 1024;

  CountKeeper(Editor& memo1, StatusBarView& statusBar, CountWindowView& window, const Clock& clock,
              int sliceBytes = defaultSliceBytes)
      : memo1_(memo1), statusBar_(statusBar), window_(window), clock_(clock), sliceBytes_(sliceBytes) {}

  // memo1's content changed (EN_CHANGE; a new or opened document too). Runs on every key.
  void memo1Change();
  // memo1's selection or caret moved (EN_SELCHANGE). Runs on every key.
  void memo1SelChange() { selectionMoved_ = true; }
  // The 200 ms timer.
  void timerGyoRetTimer();
  // The count window from the status bar's menu or its count panel: opened, or left open.
  void showCountWindow();
  // The key: opens the window, or closes it when it is open.
  void toggleCountWindow();

  CountDisplay display() const;

 private:
  // A count under way: the bytes [next, end) are still to come; end -1: the rest of the text.
  struct Job {
    int next;
    int end;
    TextCounter counter;
  };
  // One slice of the job; true when it has reached its end.
  bool advance(Job& job);
  void lookAtSelection();
  void countDocument();
  void show();

  Editor& memo1_;
  StatusBarView& statusBar_;
  CountWindowView& window_;
  const Clock& clock_;
  const int sliceBytes_;

  CountScope scope_ = CountScope::Document;
  bool selectionMoved_ = true;
  std::optional<TextCounts> selectionCounts_;
  std::optional<Job> selectionJob_;
  std::optional<TextCounts> documentCounts_;
  std::optional<Job> documentJob_;
  bool documentChanged_ = true;  // since its last counts
  bool documentLong_ = false;    // longer than a slice when last counted
  int documentLength_ = -1;      // in bytes, when last counted
  std::int64_t lastChange_ = 0;
  std::optional<CountDisplay> shown_;
};

}  // namespace kakipo
