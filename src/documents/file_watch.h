// Noticing that another program changed, deleted or renamed the open document's file: what to do
// when the window becomes active and before an overwrite-save, without ever burying the user in
// questions or keeping the window from closing.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "documents/file_identity.h"

namespace kakipo {

enum class WatchAction {
  none,                // nothing to do (before an overwrite-save: do not write)
  wait,                // a change is still settling: check again on the next tick
  reloadAndTell,       // read the file again through the open path, keep the caret's line, and say
                       // so where no answer is needed
  reload,              // the user chose to reload: read the file again, nothing to tell
  askReloadOrKeep,     // ask, then give the answer to answered()
  askBeforeOverwrite,  // ask with "cancel" the default, then give the answer to answered()
  write,               // go on with the overwrite-save
  tellGone,            // mark the document modified and say that its file is gone
};

// The CRC-32 of what is on disk now, read only when a check needs it; nothing when the file cannot
// be read at the moment.
using HashReader = std::function<std::optional<std::uint32_t>()>;

struct FileWatchOptions {
  // Ask before reading an unmodified document again instead of doing it and telling.
  bool askBeforeReload = false;
  // A change is acted on once what is on disk has stayed the same this long...
  std::int64_t settleMs = 500;
  // ...or once this long has passed since it was first seen, however often it changed meanwhile.
  std::int64_t longestWaitMs = 5'000;
};

// Driven by the document's and the window's events, with the time as monotonic milliseconds
// (Clock::tickMs) and what is on disk as values the shell reads; it reads nothing itself.
class FileWatch {
 public:
  explicit FileWatch(FileWatchOptions options = {}) : options_(options) {}

  // The document was opened, read again or saved: its text is the version onDisk describes, taken
  // before the read or after the write, with the hash of those bytes when doubtRemains.
  void remember(const FileIdentity& onDisk, std::int64_t nowMs);
  // An untitled document has no file to watch.
  void forget();

  // The window became active, or a tick came while waiting(): onDisk is the file's identity now,
  // without a hash.
  WatchAction check(bool modified, const FileIdentity& onDisk, std::int64_t nowMs, const HashReader& hash);
  bool waiting() const { return seen_.has_value(); }
  // Nothing is decided while another window is in front: a modal box or dialog of this program,
  // or another program the user is working in.
  void deactivated() { seen_.reset(); }

  // Before writing over the document's file: write, or the question.
  WatchAction beforeOverwrite(const FileIdentity& onDisk, std::int64_t nowMs, const HashReader& hash);
  // The answer to the open question, yes being "reload" or "overwrite": reload or write when that
  // is to be done now, otherwise none.
  WatchAction answered(bool yes);
  // The window is closing: a question still open counts as answered the way that loses nothing
  // (keep mine, do not overwrite) and its late answer is ignored, so a box that outlives the
  // window acts on nothing.
  void closing();

 private:
  enum class Question { none, reloadOrKeep, overwrite };
  // Sameness of onDisk with the document's version; onDisk takes the content's hash when that is
  // what decides. nullopt when the hash was needed but could not be read.
  std::optional<Sameness> resolve(FileIdentity& onDisk, std::int64_t nowMs, const HashReader& hash);

  FileWatchOptions options_;
  std::optional<FileIdentity> known_;
  std::int64_t rememberedAt_ = 0;
  Question question_ = Question::none;
  std::optional<FileIdentity> handled_;  // the version on disk last told, asked about or reloaded
  bool keptMine_ = false;
  std::optional<FileIdentity> seen_;  // while waiting: the version last seen, since when, and
  std::int64_t seenAt_ = 0;           // when the change was first seen
  std::int64_t waitingSince_ = 0;
};

}  // namespace kakipo
