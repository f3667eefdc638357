#include "win32/recovery_files.h"

#include <shlobj.h>

#include <cwctype>

#include "core/errors.h"
#include "recovery/recovery_texts.h"
#include "win32/encoding.h"
#include "win32/single_instance.h"

namespace kakipo::win32 {

namespace {

constexpr wchar_t extension[] = L".rcv";
constexpr wchar_t reportedSuffix[] = L".reported";

// The session-independent namespace, so that an instance another user runs from the same folder
// counts as running too.
std::wstring mutexName(const std::wstring& stem) { return L"Global\\" + stem; }

// Unique among the instances that ever ran: a process id is used again, never with the same start.
std::wstring ownStem() {
  FILETIME created{}, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const unsigned long long start = (static_cast<unsigned long long>(created.dwHighDateTime) << 32) |
                                   created.dwLowDateTime;
  wchar_t stem[64];
  swprintf(stem, 64, L"kakipo-%lu-%llx", GetCurrentProcessId(), start);
  return stem;
}

bool running(const std::wstring& stem) {
  const UniqueHandle mutex(OpenMutexW(SYNCHRONIZE, FALSE, mutexName(stem).c_str()));
  // Another user's instance may hold it where this one may not open it.
  return mutex || GetLastError() == ERROR_ACCESS_DENIED;
}

bool endsWithExtension(const std::wstring& name) {
  const std::size_t n = wcslen(extension);
  if (name.size() <= n) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (std::towlower(name[name.size() - n + i]) != extension[i]) return false;
  return true;
}

LocalTime localTimeOf(const FILETIME& utc) {
  SYSTEMTIME u{}, t{};
  if (!FileTimeToSystemTime(&utc, &u) || !SystemTimeToTzSpecificLocalTime(nullptr, &u, &t)) return {};
  return {t.wYear, t.wMonth, t.wDay, t.wDayOfWeek, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

// CreateFileW says "none" with INVALID_HANDLE_VALUE, which an owner would take for a handle.
UniqueHandle fileHandle(HANDLE h) { return UniqueHandle(h == INVALID_HANDLE_VALUE ? nullptr : h); }

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Makes the folder if need be and a file in it.
bool canWriteIn(const std::wstring& folder) {
  const int made = SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
  if (made != ERROR_SUCCESS && made != ERROR_ALREADY_EXISTS && made != ERROR_FILE_EXISTS) return false;
  const std::wstring probe = folder + L"\\probe-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  return static_cast<bool>(fileHandle(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr)));
}

}  // namespace

std::wstring chooseRecoveryFolder() {
  const std::wstring exe = executablePath();
  const std::wstring beside = exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"recovery";
  if (canWriteIn(beside)) return beside;
  wchar_t local[MAX_PATH];
  if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local))) {
    const std::wstring fallback = std::wstring(local) + L"\\kakipo\\recovery";
    if (canWriteIn(fallback)) return fallback;
  }
  return beside;
}

RecoveryFiles::RecoveryFiles(std::wstring folder, HWND window, UINT message)
    : RecoveryFiles(std::move(folder), window, message, systemCalls_) {}

RecoveryFiles::RecoveryFiles(std::wstring folder, HWND window, UINT message, FileCalls& calls)
    : folder_(std::move(folder)),
      ownStem_(ownStem()),
      alive_(CreateMutexW(nullptr, FALSE, mutexName(ownStem_).c_str())),
      writer_(folder_ + L"\\" + ownStem_ + extension, calls, [window, message] {
        if (window) PostMessageW(window, message, 0, 0);
      }) {
  SHCreateDirectoryExW(nullptr, folder_.c_str(), nullptr);
}

std::string RecoveryFiles::folder() const { return narrow(folder_); }

std::string RecoveryFiles::ownId() const { return narrow(folder_ + L"\\" + ownStem_ + extension); }

std::vector<RecoveryFileInfo> RecoveryFiles::list() const {
  std::vector<RecoveryFileInfo> files;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder_ + L"\\*" + extension).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    const std::wstring name = found.cFileName;
    // The pattern also matches longer extensions through their short names.
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !endsWithExtension(name)) continue;
    const std::wstring stem = name.substr(0, name.size() - wcslen(extension));
    const std::wstring path = folder_ + L"\\" + name;
    files.push_back({narrow(path), stem == ownStem_ || running(stem), localTimeOf(found.ftLastWriteTime),
                     exists(path + reportedSuffix)});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return files;
}

std::string RecoveryFiles::read(const std::string& id) {
  const UniqueHandle file = fileHandle(CreateFileW(widen(id).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                                   nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF)
    throw Error(texts::recoveryFileBroken);
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  for (std::size_t done = 0; done < bytes.size();) {
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr) || !got)
      throw Error(texts::recoveryFileBroken);
    done += got;
  }
  return bytes;
}

// A named mutex per file, held until this instance ends: a second start at the same moment finds
// it taken, and a crash leaves nothing behind to clean up.
bool RecoveryFiles::claim(const std::string& id) {
  const std::wstring path = widen(id);
  const std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
  UniqueHandle mutex(CreateMutexW(nullptr, FALSE, mutexName(L"claim-" + name).c_str()));
  if (!mutex || GetLastError() == ERROR_ALREADY_EXISTS) return false;
  claims_.push_back(std::move(mutex));
  return true;
}

void RecoveryFiles::remove(const std::string& id) {
  const std::wstring path = widen(id);
  DeleteFileW(path.c_str());
  DeleteFileW((path + reportedSuffix).c_str());
  DeleteFileW((path + L".tmp").c_str());  // what a write cut short by a crash left
}

void RecoveryFiles::markUnreadableReported(const std::string& id) {
  fileHandle(CreateFileW((widen(id) + reportedSuffix).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace kakipo::win32
