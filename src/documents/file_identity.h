// What tells one version of a file from another without reading it (whether it exists, its size,
// its last-write time) and, while those two may miss a write, a hash of its content.
#pragma once
#include <cstdint>
#include <optional>

namespace kakipo {

// Last-write times count as the platform's file times do: 100 ns ticks since 1601, UTC.
inline constexpr std::int64_t ticksPerMs = 10'000;
// The coarsest last-write time a memo's file system may keep: FAT's two seconds (USB sticks, SD
// cards, and network shares that pass on such a volume's times).
inline constexpr std::int64_t timeResolutionMs = 2'000;

struct FileIdentity {
  bool exists = false;
  std::int64_t size = 0;
  std::int64_t lastWrite = 0;
  // CRC-32 of the whole content, kept only while doubtRemains: hashing costs a read of the file.
  std::optional<std::uint32_t> hash;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

enum class Sameness {
  same,
  changed,   // another version, or a file where there was none
  gone,      // deleted or renamed away
  needHash,  // size and time agree but `known` is in doubt: hash what is on disk and compare again
};

// Whether what is on disk is still the version `known` describes. A different size or time is a
// change even when the content happens to be equal (that takes a read to know, and a reload or a
// question about an unchanged text loses nothing).
Sameness compare(const FileIdentity& known, const FileIdentity& onDisk);

// Whether a size and time read at readAtTicks could miss a later write: the last write lies within
// the file system's time resolution of the reading (or ahead of it: FAT rounds times up, and a
// share's clock may run ahead), so another write of the same length could still carry the same
// time. Then the identity keeps the content's hash.
bool doubtRemains(const FileIdentity& identity, std::int64_t readAtTicks);

}  // namespace kakipo
