// The file system as the documents need it: sizes from the directory entry, whole-file reads with
// writers shut out, and saves that never destroy the file they replace.
#pragma once
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "documents/document_texts.h"
#include "documents/file_identity.h"

namespace kakipo {

// Byte offsets into the document are ints; a file larger than this can never be held whole.
inline constexpr std::int64_t maxDocumentBytes = std::numeric_limits<int>::max();

class Files {
 public:
  virtual ~Files() = default;
  // The name expanded against the current directory.
  virtual std::string fullPath(const std::string& name) const = 0;
  // The size in the directory entry, all 64 bits (a directory is found like a file); -1 when
  // there is no such entry.
  virtual std::int64_t size(const std::string& name) const = 0;
  // True for an existing file; a directory is not one.
  virtual bool fileExists(const std::string& name) const = 0;
  // The whole file, opened so that others may read but nobody may write while it is read.
  // Throws OpenError when it cannot be opened so, Error when the read fails part-way.
  virtual std::string readAll(const std::string& name) = 0;
  // Writes bytes to a new file beside the target, flushes it, then puts it in the target's place
  // keeping the target's attributes. On any failure the old file stays as it was and an Error with
  // cannotCreateMessage(name) is thrown.
  virtual void writeAll(const std::string& name, const std::string& bytes) = 0;
  // What tells this version of the file from another, from the directory entry (never a hash).
  virtual FileIdentity identity(const std::string& name) const = 0;
  // The CRC-32 of the whole content now, read while others may write; nothing when unreadable.
  virtual std::optional<std::uint32_t> contentHash(const std::string& name) const = 0;
  // The file system's clock, in the ticks of last-write times.
  virtual std::int64_t nowTicks() const = 0;
};

// The text of a failed save, shared by every implementation of Files.
inline std::string cannotCreateMessage(const std::string& name) {
  return texts::cannotCreatePrefix + name + texts::cannotCreateSuffix;
}

}  // namespace kakipo
