#include "win32/recovery_writer.h"

#include <exception>
#include <utility>

namespace kakipo::win32 {

bool writeRecoveryFile(FileCalls& calls, const std::wstring& target, const std::string& bytes) {
  // A name of its own rather than a unique one: a temporary file that a crash leaves behind is
  // taken over by the next write instead of piling up.
  const std::wstring temp = target + L".tmp";
  const HANDLE created = calls.open(temp, GENERIC_WRITE, 0, CREATE_ALWAYS);
  const bool written = created != INVALID_HANDLE_VALUE && calls.close(created) && writeFlushed(calls, temp, bytes) &&
                       calls.moveReplacing(temp, target);
  if (!written) calls.remove(temp);
  return written;
}

RecoveryWriter::RecoveryWriter(std::wstring target, FileCalls& calls, std::function<void()> finished)
    : target_(std::move(target)), calls_(calls), finished_(std::move(finished)) {}

RecoveryWriter::~RecoveryWriter() { finish(); }

void RecoveryWriter::write(RecoverySnapshot snapshot) {
  {
    const std::lock_guard lock(mutex_);
    if (stopping_) return;  // the window is going: nothing would take the outcome
    // Started before anything is queued: a thread that cannot start throws with nothing left over.
    if (!worker_.joinable()) worker_ = std::thread([this] { run(); });
    queue_.push_back(std::move(snapshot));
  }
  wake_.notify_one();
}

bool RecoveryWriter::writeNow(const RecoverySnapshot& snapshot) {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return queue_.empty() && !busy_; });
  // Held meanwhile: only this thread asks for writes, and the worker has nothing to do.
  try {
    return writeRecoveryFile(calls_, target_, encodeRecoveryFile(snapshot));
  } catch (const std::exception&) {
    return false;
  }
}

std::vector<bool> RecoveryWriter::takeResults() {
  const std::lock_guard lock(mutex_);
  return std::exchange(results_, {});
}

void RecoveryWriter::finish() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  if (worker_.joinable()) worker_.join();
}

void RecoveryWriter::run() {
  for (;;) {
    RecoverySnapshot snapshot;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (queue_.empty()) return;
      snapshot = std::move(queue_.front());
      queue_.pop_front();
      busy_ = true;
    }
    bool ok = false;
    try {
      ok = writeRecoveryFile(calls_, target_, encodeRecoveryFile(snapshot));
    } catch (const std::exception&) {
      // No memory for the file's bytes: a failed write like any other.
    }
    {
      const std::lock_guard lock(mutex_);
      results_.push_back(ok);
      busy_ = false;
    }
    idle_.notify_all();
    finished_();
  }
}

}  // namespace kakipo::win32
