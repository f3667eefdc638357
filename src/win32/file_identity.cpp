#include "win32/file_identity.h"

#include <windows.h>

#include <vector>

#include "core/crc32.h"
#include "core/utf.h"
#include "win32/handles.h"

namespace kakipo::win32 {

namespace {

std::wstring widePath(const std::string& path) {
  const std::u16string wide = utf::toUtf16(path);
  return std::wstring(wide.begin(), wide.end());
}

std::int64_t ticksOf(const FILETIME& t) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
}

}  // namespace

FileIdentity readFileIdentity(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (path.empty() || !GetFileAttributesExW(widePath(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return FileIdentity{};
  FileIdentity id;
  id.exists = true;
  id.size = static_cast<std::int64_t>((static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
  id.lastWrite = ticksOf(data.ftLastWriteTime);
  return id;
}

std::optional<std::uint32_t> readContentHash(const std::string& path) {
  if (path.empty()) return std::nullopt;
  const HANDLE opened = CreateFileW(widePath(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return std::nullopt;
  const UniqueHandle file(opened);
  std::vector<char> chunk(1 << 16);
  std::uint32_t crc = 0;
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) return std::nullopt;
    if (got == 0) return crc;
    crc = crc32(std::string_view(chunk.data(), got), crc);
  }
}

std::int64_t systemTimeTicks() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return ticksOf(now);
}

}  // namespace kakipo::win32
