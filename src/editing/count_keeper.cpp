#include "editing/count_keeper.h"

#include <algorithm>

#include "editing/status_bar.h"

namespace kakipo {

void CountKeeper::memo1Change() {
  lastChange_ = clock_.tickMs();
  documentChanged_ = true;
  documentJob_.reset();
  // The selected text may have changed too (an undo, a replacement).
  selectionMoved_ = true;
}

void CountKeeper::timerGyoRetTimer() {
  if (selectionMoved_) lookAtSelection();
  if (scope_ == CountScope::Selection) {
    if (selectionJob_ && advance(*selectionJob_)) {
      selectionCounts_ = selectionJob_->counter.result();
      selectionJob_.reset();
    }
  } else {
    countDocument();
  }
  show();
}

// Costs the selection, not the document: nothing at all while only the caret moves.
void CountKeeper::lookAtSelection() {
  selectionMoved_ = false;
  selectionJob_.reset();
  const int length = memo1_.selLength();
  if (length == 0) {
    scope_ = CountScope::Document;
    return;
  }
  scope_ = CountScope::Selection;
  if (length <= sliceBytes_) {
    selectionCounts_ = countText(memo1_.selText());
    return;
  }
  const int start = memo1_.selStart();
  // Everything selected (Ctrl+A, to count it): the document's counts, if they are the text's.
  if (start == 0 && length == documentLength_ && !documentChanged_) {
    selectionCounts_ = documentCounts_;
    return;
  }
  selectionJob_ = Job{start, start + length, {}};
}

void CountKeeper::countDocument() {
  if (!documentChanged_) return;
  if (!documentJob_) {
    if (documentLong_ && clock_.tickMs() - lastChange_ < pauseMs) return;
    documentJob_ = Job{0, -1, {}};
  }
  if (!advance(*documentJob_)) {
    documentLong_ = true;
    return;
  }
  documentCounts_ = documentJob_->counter.result();
  documentLength_ = documentJob_->next;
  documentLong_ = documentLength_ > sliceBytes_;
  documentJob_.reset();
  documentChanged_ = false;
}

bool CountKeeper::advance(Job& job) {
  const int wanted = job.end < 0 ? sliceBytes_ : std::min(sliceBytes_, job.end - job.next);
  const std::string piece = memo1_.textRange(job.next, wanted);
  job.counter.feed(piece);
  job.next += static_cast<int>(piece.size());
  return static_cast<int>(piece.size()) < wanted || job.next == job.end;
}

CountDisplay CountKeeper::display() const {
  if (scope_ == CountScope::Selection) return {scope_, selectionCounts_, selectionJob_.has_value()};
  return {scope_, documentCounts_, documentChanged_};
}

// Only what has changed is written: most ticks change nothing.
void CountKeeper::show() {
  const CountDisplay now = display();
  if (shown_ == now) return;
  shown_ = now;
  statusBar_.setPanelText(countPanel, countPanelText(now));
  if (window_.countWindowOpen()) window_.showCounts(countWindowTexts(now));
}

void CountKeeper::showCountWindow() {
  if (!window_.countWindowOpen()) window_.openCountWindow();
  window_.showCounts(countWindowTexts(display()));
}

void CountKeeper::toggleCountWindow() {
  if (window_.countWindowOpen())
    window_.closeCountWindow();
  else
    showCountWindow();
}

}  // namespace kakipo
