// A store of recovery files in memory, whose writes wait until the test lets the worker finish
// them, and a document that is one snapshot and a modified flag.
#pragma once
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/errors.h"
#include "recovery/recovery_ports.h"

namespace kakipo::test {

class FakeRecoveryStore : public RecoveryStore {
 public:
  struct File {
    RecoveryFileInfo info;
    std::string bytes;
  };
  std::string folder() const override { return "C:\\kakipo\\recovery"; }
  std::vector<RecoveryFileInfo> list() const override {
    std::vector<RecoveryFileInfo> out;
    for (const auto& entry : files) out.push_back(entry.second.info);
    return out;
  }
  std::string ownId() const override { return "own"; }
  std::string read(const std::string& id) override {
    reads.push_back(id);
    return files.at(id).bytes;
  }
  void write(RecoverySnapshot snapshot) override {
    pending.push_back(std::move(snapshot));
    ++writesStarted;
  }
  bool writeNow(const RecoverySnapshot& snapshot) override {
    while (!pending.empty()) finishWrite();
    if (failWrites) return false;
    leave(ownId(), encodeRecoveryFile(snapshot), {}, true);
    return true;
  }
  // Files another instance has claimed: this one never gets them.
  bool claim(const std::string& id) override { return !claimedElsewhere.count(id); }
  void remove(const std::string& id) override { files.erase(id); }
  void markUnreadableReported(const std::string& id) override { files.at(id).info.unreadableReported = true; }

  void leave(const std::string& id, const std::string& bytes, LocalTime written = {}, bool running = false) {
    files[id] = {{id, running, written, false}, bytes};
  }
  // The worker finishes the oldest write; a failed one leaves the previous file as it was.
  bool finishWrite() {
    const RecoverySnapshot s = pending.front();
    pending.pop_front();
    if (!failWrites) leave(ownId(), encodeRecoveryFile(s), {}, true);
    return !failWrites;
  }
  bool holds(const std::string& id) const { return files.count(id) > 0; }

  std::map<std::string, File> files;
  std::deque<RecoverySnapshot> pending;
  bool failWrites = false;
  int writesStarted = 0;
  std::vector<std::string> reads;
  std::set<std::string> claimedElsewhere;
};

class FakeRecoveryDocument : public RecoveryDocument {
 public:
  bool modified() const override { return isModified; }
  RecoverySnapshot snapshot() const override {
    if (broken) throw Error("stream out failed");
    return current;
  }
  void restore(const RecoverySnapshot& s) override {
    current = s;
    isModified = true;
  }

  RecoverySnapshot current;
  bool isModified = false;
  bool broken = false;
};

}  // namespace kakipo::test
