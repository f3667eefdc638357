// CRC-32 (the polynomial of zip and PNG): the checksum of recovery files and the content hash
// that tells two versions of a file apart when their size and time cannot.
#pragma once
#include <cstdint>
#include <string_view>

namespace kakipo {

// Continued from `crc` so that parts can be summed in turn.
std::uint32_t crc32(std::string_view bytes, std::uint32_t crc = 0);

}  // namespace kakipo
