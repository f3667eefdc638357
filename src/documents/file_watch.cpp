#include "documents/file_watch.h"

namespace kakipo {

void FileWatch::remember(const FileIdentity& onDisk, std::int64_t nowMs) {
  // A new version in the editor starts afresh: what the user kept or was told concerned the old.
  known_ = onDisk;
  rememberedAt_ = nowMs;
  question_ = Question::none;
  handled_.reset();
  keptMine_ = false;
  seen_.reset();
}

void FileWatch::forget() {
  remember(FileIdentity{}, 0);
  known_.reset();  // and nothing is compared with it
}

std::optional<Sameness> FileWatch::resolve(FileIdentity& onDisk, std::int64_t nowMs, const HashReader& hash) {
  const Sameness s = compare(*known_, onDisk);
  if (s != Sameness::needHash) return s;
  onDisk.hash = hash ? hash() : std::nullopt;
  if (!onDisk.hash) return std::nullopt;
  const Sameness sure = compare(*known_, onDisk);
  // Once the file's clock has moved past the time it showed when it was read, any later write
  // changes that time, so the hash (a read of the whole file at every check) is no longer
  // needed. Twice the resolution: the time may have been rounded up as far as it was down.
  if (sure == Sameness::same && nowMs - rememberedAt_ >= 2 * timeResolutionMs) known_->hash.reset();
  return sure;
}

WatchAction FileWatch::check(bool modified, const FileIdentity& disk, std::int64_t nowMs, const HashReader& hash) {
  // A box of ours is open: a second question on top of it would bury the user, and the
  // activation that comes as the box closes must not ask again before its answer is in.
  if (!known_ || question_ != Question::none) return WatchAction::none;
  FileIdentity onDisk = disk;
  const auto sameness = resolve(onDisk, nowMs, hash);
  // Size and time agree but the content cannot be read now, most likely because its writer still
  // holds it: no claim either way, the next activation looks again. Nothing either for the version
  // the document holds, or one acted on already (below).
  if (!sameness || *sameness == Sameness::same || onDisk == handled_) {
    seen_.reset();
    return WatchAction::none;
  }

  // A sync client or script writes in several steps (truncate, write, rename into place), and an
  // editor saving often writes again at once: act on what is there once it stays put, so that one
  // burst of writes is one question or one reload, and a half-written file is never read.
  if (onDisk != seen_) {
    if (!seen_) waitingSince_ = nowMs;
    seen_ = onDisk;
    seenAt_ = nowMs;
  }
  // A file that never stays put (a log written to all the time) is still told once.
  if (nowMs - seenAt_ < options_.settleMs && nowMs - waitingSince_ < options_.longestWaitMs)
    return WatchAction::wait;
  seen_.reset();

  // Each version on disk is acted on once: told, asked or reloaded, it does not come back at the
  // next activation, and a failed reload is not retried until the file changes again.
  handled_ = onDisk;
  if (*sameness == Sameness::gone) return WatchAction::tellGone;
  // Nothing of the user's can be lost by reading an unmodified document again.
  if (!modified && !options_.askBeforeReload) return WatchAction::reloadAndTell;
  // The user said their text is the one they want; a file rewritten all the time would otherwise
  // ask at every return to the window. The overwrite-save still asks before it destroys anything.
  if (keptMine_) return WatchAction::none;
  question_ = Question::reloadOrKeep;
  return WatchAction::askReloadOrKeep;
}

WatchAction FileWatch::beforeOverwrite(const FileIdentity& disk, std::int64_t nowMs, const HashReader& hash) {
  seen_.reset();
  if (!known_) return WatchAction::write;
  FileIdentity onDisk = disk;
  const auto sameness = resolve(onDisk, nowMs, hash);
  // A file that is gone loses nothing by being written anew. One whose content cannot be read to
  // tell counts as changed: a question too many costs a click, a write too many another's text.
  // Keeping one's text at the earlier question did not agree to destroy the other version, so
  // this asks whatever was answered before.
  if (sameness == Sameness::same || sameness == Sameness::gone) return WatchAction::write;
  handled_ = onDisk;
  question_ = Question::overwrite;
  return WatchAction::askBeforeOverwrite;
}

WatchAction FileWatch::answered(bool yes) {
  const Question q = question_;
  question_ = Question::none;
  if (q == Question::overwrite) return yes ? WatchAction::write : WatchAction::none;
  if (q != Question::reloadOrKeep) return WatchAction::none;
  if (yes) return WatchAction::reload;
  keptMine_ = true;
  return WatchAction::none;
}

void FileWatch::closing() {
  if (question_ == Question::reloadOrKeep) keptMine_ = true;
  question_ = Question::none;
  seen_.reset();
}

}  // namespace kakipo
