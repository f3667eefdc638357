// A file's identity as the document watch compares it, read from the Windows file system: the
// directory entry's size and last-write time, the content's hash, and the system's clock.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "documents/file_identity.h"

namespace kakipo::win32 {

// Size and last-write time from the directory entry, without opening the file, so it costs the
// same whatever the size and works while another program holds the file. A missing entry, one that
// cannot be read and a directory do not exist. Never carries a hash.
FileIdentity readFileIdentity(const std::string& path);
// CRC-32 of the whole content, read with sharing that lets other programs go on writing, renaming
// and deleting the file meanwhile; nothing when it cannot be opened or read to its end.
std::optional<std::uint32_t> readContentHash(const std::string& path);
// The system's clock in the ticks of last-write times, for doubtRemains.
std::int64_t systemTimeTicks();

}  // namespace kakipo::win32
