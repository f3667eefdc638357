// An in-memory file system for native tests of opening and saving, with the faults a real disk
// and other programs cause: files held open for writing, folders in the way, writes that fail
// part-way, sizes beyond what fits in memory.
#pragma once
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/crc32.h"
#include "core/errors.h"
#include "documents/files.h"

namespace kakipo::test {

class FakeFiles : public Files {
 public:
  std::string fullPath(const std::string& name) const override {
    const bool absolute = (name.size() >= 2 && name[1] == ':') || name.rfind("\\\\", 0) == 0;
    return absolute || name.empty() ? name : currentDirectory + "\\" + name;
  }
  std::int64_t size(const std::string& name) const override {
    const auto full = fullPath(name);
    if (auto it = reportedSizes.find(full); it != reportedSizes.end()) return it->second;
    if (auto it = files.find(full); it != files.end()) return static_cast<std::int64_t>(it->second.size());
    return directories.count(full) ? 0 : -1;
  }
  bool fileExists(const std::string& name) const override { return files.count(fullPath(name)) > 0; }
  std::string readAll(const std::string& name) override {
    const auto full = fullPath(name);
    reads.push_back(name);
    if (onRead) onRead();
    auto it = files.find(full);
    if (it == files.end() || heldForWriting.count(full)) throw OpenError("cannot open " + name);
    if (tooLargeToRead.count(full)) throw DocumentTooLarge(name);
    return it->second;
  }
  void writeAll(const std::string& name, const std::string& bytes) override {
    const auto full = fullPath(name);
    writes.push_back(name);
    // The new content goes to a file beside the target first; failing there leaves the target.
    if (directories.count(full) || heldForWriting.count(full) || readOnly.count(full) ||
        (failAfterBytes >= 0 && static_cast<std::int64_t>(bytes.size()) > failAfterBytes))
      throw Error(cannotCreateMessage(name));
    files[full] = bytes;
  }

  // A version's time is made from its content, so every change of content is a change of time.
  FileIdentity identity(const std::string& name) const override {
    const auto it = files.find(fullPath(name));
    if (it == files.end()) return {};
    return {true, static_cast<std::int64_t>(it->second.size()),
            static_cast<std::int64_t>(std::hash<std::string>{}(it->second) >> 8), std::nullopt};
  }
  std::optional<std::uint32_t> contentHash(const std::string& name) const override {
    const auto it = files.find(fullPath(name));
    if (it == files.end()) return std::nullopt;
    return crc32(it->second);
  }
  // Far beyond any file's time, so that nothing is in doubt unless a test says so.
  std::int64_t nowTicks() const override { return ticksNow; }

  std::string currentDirectory = "C:\\work";
  std::int64_t ticksNow = std::numeric_limits<std::int64_t>::max() / 2;
  std::map<std::string, std::string> files;  // by full path
  std::set<std::string> directories;
  std::set<std::string> heldForWriting;  // another program has these open for writing
  std::set<std::string> readOnly;
  std::set<std::string> tooLargeToRead;  // grew past what fits in memory after its size was read
  std::map<std::string, std::int64_t> reportedSizes;  // directory-entry sizes too big to hold
  std::int64_t failAfterBytes = -1;  // the disk fills after this many bytes of a write
  std::function<void()> onRead;
  std::vector<std::string> reads;
  std::vector<std::string> writes;
};

}  // namespace kakipo::test
