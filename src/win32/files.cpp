#include "win32/files.h"

#include <memory>
#include <vector>

#include "app/errors.h"
#include "documents/document_texts.h"

namespace kakipo {

namespace {

constexpr UINT cp932 = 932;
constexpr DWORD chunkBytes = 1 << 20;

struct HandleCloser {
  void operator()(HANDLE h) const {
    if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

std::wstring fullPathW(const std::wstring& name) {
  if (name.empty()) return name;
  DWORD need = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (need == 0) return name;
  std::wstring out(need, L'\0');
  DWORD got = GetFullPathNameW(name.c_str(), need, out.data(), nullptr);
  if (got == 0 || got >= need) return name;
  out.resize(got);
  return out;
}

std::wstring folderOf(const std::wstring& full) {
  const auto slash = full.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring(L".") : full.substr(0, slash + 1);
}

// Removes the temporary file of a save that did not get through, however the save is left.
class TempFile {
 public:
  explicit TempFile(std::wstring path) : path_(std::move(path)) {}
  ~TempFile() {
    if (!path_.empty()) DeleteFileW(path_.c_str());
  }
  const std::wstring& path() const { return path_; }
  void release() { path_.clear(); }

 private:
  std::wstring path_;
};

}  // namespace

std::wstring widenPath(const std::string& name) {
  if (name.empty()) return {};
  const int n = MultiByteToWideChar(cp932, 0, name.data(), static_cast<int>(name.size()), nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(cp932, 0, name.data(), static_cast<int>(name.size()), out.data(), n);
  return out;
}

std::string narrowPath(const std::wstring& name) {
  if (name.empty()) return {};
  const int n = WideCharToMultiByte(cp932, 0, name.data(), static_cast<int>(name.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(cp932, 0, name.data(), static_cast<int>(name.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

std::string Win32Files::fullPath(const std::string& name) const {
  return narrowPath(fullPathW(widenPath(name)));
}

std::int64_t Win32Files::size(const std::string& name) const {
  // The attribute query reads the directory entry without opening the file and, unlike a
  // directory search, takes "*" and "?" as they are.
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (name.empty() ||
      !GetFileAttributesExW(fullPathW(widenPath(name)).c_str(), GetFileExInfoStandard, &data))
    return -1;
  return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool Win32Files::fileExists(const std::string& name) const {
  if (name.empty()) return false;
  const DWORD attr = GetFileAttributesW(widenPath(name).c_str());
  return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32Files::readAll(const std::string& name) {
  if (name.empty()) throw OpenError(name);
  UniqueHandle file(CreateFileW(widenPath(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                                nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) throw OpenError(name);
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size)) throw Error(texts::streamReadFailed);
  if (size.QuadPart > 0x7FFFFFFF) throw DocumentTooLarge(name);
  std::string out(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < out.size()) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(chunkBytes, out.size() - done));
    if (!ReadFile(file.get(), out.data() + done, want, &got, nullptr)) throw Error(texts::streamReadFailed);
    if (got == 0) break;  // the file shrank meanwhile
    done += got;
  }
  out.resize(done);
  return out;
}

bool Win32Files::writeChunk(HANDLE file, const char* data, DWORD length) {
  DWORD written = 0;
  return WriteFile(file, data, length, &written, nullptr) && written == length;
}

void Win32Files::writeAll(const std::string& name, const std::string& bytes) {
  const auto fail = [&] { throw Error(cannotCreateMessage(name)); };
  if (name.empty()) fail();
  const std::wstring target = fullPathW(widenPath(name));
  const DWORD attr = GetFileAttributesW(target.c_str());
  const bool replacing = attr != INVALID_FILE_ATTRIBUTES;
  if (replacing && (attr & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) fail();

  // The new content goes to a file of its own in the target's folder, so that putting it in
  // place is a rename on the same volume and never a copy that could stop half-way.
  const std::wstring folder = folderOf(target);
  wchar_t tempName[MAX_PATH + 16];
  if (folder.size() >= MAX_PATH - 14 || !GetTempFileNameW(folder.c_str(), L"kkp", 0, tempName)) fail();
  TempFile temp(tempName);
  {
    UniqueHandle file(CreateFileW(temp.path().c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) fail();
    for (std::size_t done = 0; done < bytes.size();) {
      const DWORD n = static_cast<DWORD>(std::min<std::size_t>(chunkBytes, bytes.size() - done));
      if (!writeChunk(file.get(), bytes.data() + done, n)) fail();
      done += n;
    }
    if (!FlushFileBuffers(file.get())) fail();
  }

  if (!replacing) {
    // No REPLACE_EXISTING: a file that appeared meanwhile is somebody else's and stays.
    if (!MoveFileExW(temp.path().c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) fail();
    temp.release();
    return;
  }

  // The old content is kept under a backup name until the new one is in place, so every way
  // ReplaceFile can fail leaves a copy of the old file to put back.
  wchar_t backupName[MAX_PATH + 16];
  if (!GetTempFileNameW(folder.c_str(), L"kkb", 0, backupName)) fail();
  TempFile backup(backupName);
  if (ReplaceFileW(target.c_str(), temp.path().c_str(), backup.path().c_str(),
                   REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
    temp.release();  // it is the target now
    // Wine's ReplaceFile drops attributes such as hidden; Windows keeps them and this is a no-op.
    SetFileAttributesW(target.c_str(), attr & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                               FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED));
    return;  // the backup is deleted on the way out
  }
  const DWORD error = GetLastError();
  if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 ||
      (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT &&
       GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES)) {
    // The old file went to the backup name but the new one did not take its place: try the
    // move once more, else put the old file back.
    if (MoveFileExW(temp.path().c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
      temp.release();
      return;
    }
    if (MoveFileExW(backup.path().c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) backup.release();
    fail();
  }
  fail();
}

}  // namespace kakipo
