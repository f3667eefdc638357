#include "win32/probe/temp_folder.h"

#include <windows.h>

#include <atomic>
#include <iterator>
#include <stdexcept>

namespace kakipo::probe {

namespace {
std::atomic<int> folderCount{0};

std::wstring temporaryFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  wchar_t longTemp[MAX_PATH * 2];
  if (!GetLongPathNameW(temp, longTemp, static_cast<DWORD>(std::size(longTemp)))) wcscpy(longTemp, temp);
  std::wstring base = longTemp;
  if (!base.empty() && base.back() == L'\\') base.pop_back();
  return base;
}
}  // namespace

TempFolder::TempFolder(const std::wstring& prefix)
    : path_(temporaryFolder() + L"\\" + prefix + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(folderCount++)) {
  removeFolder(path_);
  if (!CreateDirectoryW(path_.c_str(), nullptr)) throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() { removeFolder(path_); }

void removeFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW fd;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &fd);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = fd.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = folder + L"\\" + name;
      SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        removeFolder(full);
      else
        DeleteFileW(full.c_str());
    } while (FindNextFileW(find, &fd));
    FindClose(find);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace kakipo::probe
