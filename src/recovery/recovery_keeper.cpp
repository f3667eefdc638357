#include "recovery/recovery_keeper.h"

#include <exception>
#include <utility>

#include "core/errors.h"
#include "recovery/recovery_texts.h"

namespace kakipo {

void RecoveryKeeper::changed(Millis now) {
  if (!dirty_) firstUnwritten_ = now;
  dirty_ = true;
  lastChange_ = now;
}

void RecoveryKeeper::tick(Millis now) {
  if (!document_.modified()) {
    settled();
    return;
  }
  if (writing_ || (!dirty_ && !writeSoon_) || now < retryAt_) return;
  if (!writeSoon_ && now - lastChange_ < pauseMs && now - firstUnwritten_ < longestWaitMs) return;
  try {
    store_.write(document_.snapshot());
  } catch (const std::exception&) {
    // A document the editor cannot give out now (or no memory for its copy) is a failed write.
    failed(now);
    return;
  }
  writing_ = true;
  onDisk_ = true;
  dirty_ = false;
  writeSoon_ = false;
}

void RecoveryKeeper::writeFinished(bool ok, Millis now) {
  writing_ = false;
  if (std::exchange(removeAfterWrite_, false)) {
    discard();
  } else if (ok) {
    if (!adopted_.empty()) store_.remove(std::exchange(adopted_, {}));
  } else {
    // The snapshot's changes are unwritten again; all of them are older than the failure, so at
    // the retry they are due whatever typing goes on.
    dirty_ = true;
  }
  if (!ok) failed(now);
}

void RecoveryKeeper::settled() {
  if (document_.modified()) return;
  dirty_ = false;
  writeSoon_ = false;
  if (writing_)
    removeAfterWrite_ = true;
  else
    discard();
}

void RecoveryKeeper::adopt(const std::string& id) {
  adopted_ = id;
  writeSoon_ = true;
}

bool RecoveryKeeper::keepForNextStart() {
  RecoverySnapshot snapshot;
  try {
    snapshot = document_.snapshot();
  } catch (const Error&) {
    return false;
  }
  snapshot.resume = true;
  if (!store_.writeNow(snapshot)) return false;
  onDisk_ = true;
  dirty_ = false;
  // The text it was restored from is in this file now.
  if (!adopted_.empty()) store_.remove(std::exchange(adopted_, {}));
  return true;
}

// Called with the keeper's state complete: the box's message loop goes on delivering ticks.
void RecoveryKeeper::failed(Millis now) {
  retryAt_ = now + retryMs;
  if (std::exchange(told_, true)) return;
  ui_.messageBox(texts::recoveryMessage(store_.folder(), texts::recoveryWriteFailed),
                 texts::recoveryWriteFailedCaption, mb::ok | mb::iconWarning);
}

void RecoveryKeeper::discard() {
  if (std::exchange(onDisk_, false)) store_.remove(store_.ownId());
  if (!adopted_.empty()) store_.remove(std::exchange(adopted_, {}));
}

}  // namespace kakipo
