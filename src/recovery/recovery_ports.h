// What recovery needs of the world: the store of recovery files (the shell chooses the folder and
// knows which instances still run) and the document as a snapshot it can take and put back.
#pragma once
#include <string>
#include <vector>

#include "core/clock.h"
#include "recovery/recovery_file.h"

namespace kakipo {

struct RecoveryFileInfo {
  std::string id;  // the recovery file's full path: the store's name for it and the user's
  bool ownerRunning = false;  // the instance that writes it still runs (this one included)
  LocalTime written;          // when it was last written, in local time
  bool unreadableReported = false;  // the user has been told it cannot be read, in this run or before
};

class RecoveryStore {
 public:
  virtual ~RecoveryStore() = default;
  // The folder the recovery files live in, as the user should look for it.
  virtual std::string folder() const = 0;
  // Every recovery file in the folder, this instance's own included; the store's own marker files
  // are not recovery files.
  virtual std::vector<RecoveryFileInfo> list() const = 0;
  // The id of this instance's own recovery file, whether it exists yet or not.
  virtual std::string ownId() const = 0;
  // The whole file; throws Error when it cannot be read.
  virtual std::string read(const std::string& id) = 0;
  // Starts writing this instance's own file: on a worker thread, in the order asked,
  // encodeRecoveryFile(snapshot) goes to a new file which then takes the old one's place, so the
  // old one stays whole until the new one is. Each write reports back exactly once, on the
  // user-interface thread and never from within write(), through RecoveryKeeper::writeFinished;
  // at exit the shell waits for a write under way and delivers its report before the keeper goes.
  virtual void write(RecoverySnapshot snapshot) = 0;
  // Writes this instance's own file before it returns, once the writes under way are done (the
  // window is closing and no write of the worker may come after it). False when it failed.
  virtual bool writeNow(const RecoverySnapshot& snapshot) = 0;
  // Makes this instance the one that deals with another instance's file until it ends: false when
  // another instance starting at the same moment has it already.
  virtual bool claim(const std::string& id) = 0;
  // Removes a recovery file (and the store's marker of it); a file already gone is no failure,
  // and one that cannot be removed stays without complaint.
  virtual void remove(const std::string& id) = 0;
  // Remembers, beside the file and not in the settings, that the user has been told it cannot be
  // read, so that the next start does not tell again.
  virtual void markUnreadableReported(const std::string& id) = 0;
};

class RecoveryDocument {
 public:
  virtual ~RecoveryDocument() = default;
  virtual bool modified() const = 0;
  // Reading the document out of the editor is all this may cost: the user-interface thread waits.
  // Throws Error when the editor cannot give its content.
  virtual RecoverySnapshot snapshot() const = 0;
  // Puts the snapshot in the editor as a modified document under the snapshot's name, mode and
  // encoding, caret where it was; the file of that name is not touched. Throws Error when the
  // editor cannot hold it, leaving a new untitled document.
  virtual void restore(const RecoverySnapshot& snapshot) = 0;
};

}  // namespace kakipo
