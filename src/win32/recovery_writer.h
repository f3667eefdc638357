// The worker thread that writes this instance's recovery file, in the order the writes were asked
// for, so that the user-interface thread only hands a snapshot over.
#pragma once
#include <windows.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "recovery/recovery_file.h"
#include "win32/files.h"

namespace kakipo::win32 {

// The new content goes to a file beside target, is flushed, then renamed over target: a failure
// at any step, or a crash, leaves the previous file whole. False when the file was not replaced.
bool writeRecoveryFile(FileCalls& calls, const std::wstring& target, const std::string& bytes);

class RecoveryWriter {
 public:
  // `finished` runs on the worker after each write: it must only wake the user-interface thread,
  // which then takes the outcomes.
  RecoveryWriter(std::wstring target, FileCalls& calls, std::function<void()> finished);
  ~RecoveryWriter();
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  void write(RecoverySnapshot snapshot);
  // Writes on the calling thread once the writes asked for before are done, so that none of
  // theirs comes after it. The worker goes on afterwards.
  bool writeNow(const RecoverySnapshot& snapshot);
  // The outcomes of the writes finished since the last call, oldest first.
  std::vector<bool> takeResults();
  // Lets every write asked for run to its end, then stops the worker. Writes asked for later are
  // dropped unreported.
  void finish();

 private:
  void run();

  const std::wstring target_;
  FileCalls& calls_;
  std::function<void()> finished_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  bool busy_ = false;  // the worker is writing
  std::deque<RecoverySnapshot> queue_;
  std::vector<bool> results_;
  bool stopping_ = false;
  std::thread worker_;  // started by the first write
};

}  // namespace kakipo::win32
