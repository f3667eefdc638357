// When this instance's recovery file is written and when it goes: the shell forwards the
// document's changes, the 200 ms timer and each write's outcome; the keeper decides.
//
// The rules:
// - A write starts at a tick when the document is modified, has changed since the last snapshot,
//   and either 2 s have passed since the last change (a pause in typing) or 30 s since the first
//   change not yet written (typing that never pauses).
// - Never while a write is under way, so that a large document is written at most as often as
//   its write takes to finish, and the writes never queue up behind the worker.
// - A document that is not modified is safe (saved, declined at the question, replaced by New or
//   Open, or the window closing after all of these): its recovery file goes at once, or, when a
//   write is under way, right after it, so that the write cannot bring it back.
// - A failed write leaves the previous file whole; its changes count as unwritten and are tried
//   again 30 s later. The first failure of a run is told to the user; the editor goes on.
// - A text restored from another instance's file is written here at the next tick, and that file
//   goes only once this write has succeeded.
#pragma once
#include <cstdint>
#include <string>

#include "core/ui.h"
#include "recovery/recovery_ports.h"

namespace kakipo {

// A monotonic time in milliseconds, as the shell's tick count gives it.
using Millis = std::int64_t;

class RecoveryKeeper {
 public:
  static constexpr Millis pauseMs = 2000;
  static constexpr Millis longestWaitMs = 30000;
  // Not shorter: at the retry, the changes older than the failure are due however typing goes on.
  static constexpr Millis retryMs = longestWaitMs;

  RecoveryKeeper(RecoveryStore& store, RecoveryDocument& document, MessageBoxes& ui)
      : store_(store), document_(document), ui_(ui) {}

  // The document's content changed. Costs nothing the user could notice: it runs on every key.
  void changed(Millis now);
  // The 200 ms timer.
  void tick(Millis now);
  // The outcome of the write the store last started.
  void writeFinished(bool ok, Millis now);
  // After anything that may have made the document unmodified (a save, the unsaved-changes
  // question, New, Open) and at a clean close, so that a safe text's file goes without waiting for
  // a tick.
  void settled();
  // The document was just restored from the recovery file `id` of an instance no longer running.
  void adopt(const std::string& id);
  // The window closes without asking about the unsaved text, which waits here for the next start:
  // written at once, marked to be restored without asking. False when it could not be written.
  bool keepForNextStart();

 private:
  void failed(Millis now);
  void discard();

  RecoveryStore& store_;
  RecoveryDocument& document_;
  MessageBoxes& ui_;

  bool dirty_ = false;         // changed since the last snapshot
  Millis lastChange_ = 0;
  Millis firstUnwritten_ = 0;  // the first change not in any snapshot
  bool writing_ = false;
  bool onDisk_ = false;        // our own file may exist
  bool removeAfterWrite_ = false;
  bool writeSoon_ = false;     // an adopted text waits for its first write
  Millis retryAt_ = 0;
  bool told_ = false;
  std::string adopted_;        // the file an adopted text came from, until our write holds it
};

}  // namespace kakipo
