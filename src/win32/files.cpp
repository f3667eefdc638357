#include "win32/files.h"

#include <algorithm>
#include <vector>

#include "core/errors.h"
#include "documents/document_commands.h"
#include "documents/document_texts.h"
#include "win32/encoding.h"
#include "win32/file_identity.h"

namespace kakipo::win32 {

namespace {

constexpr DWORD chunkBytes = 1 << 20;
constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

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

// A handle opened through the calls, closed through them unless closed on purpose first.
class Handle {
 public:
  Handle(FileCalls& calls, HANDLE h) : calls_(calls), h_(h) {}
  ~Handle() {
    if (valid()) calls_.close(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return h_ && h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }
  bool close() {
    const HANDLE h = h_;
    h_ = nullptr;
    return calls_.close(h);
  }

 private:
  FileCalls& calls_;
  HANDLE h_;
};

// A file beside the target that goes away with the save, unless it is kept on purpose.
class TempFile {
 public:
  TempFile(FileCalls& calls, std::wstring name) : calls_(calls), name_(std::move(name)) {}
  ~TempFile() {
    if (!name_.empty()) calls_.remove(name_);
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::wstring& name() const { return name_; }
  void keep() { name_.clear(); }

 private:
  FileCalls& calls_;
  std::wstring name_;
};

bool writeAllOf(FileCalls& calls, HANDLE file, const std::string& bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const DWORD n = static_cast<DWORD>(std::min<std::size_t>(chunkBytes, bytes.size() - done));
    if (!calls.write(file, bytes.data() + done, n)) return false;
    done += n;
  }
  return true;
}

FileCalls& systemCalls() {
  static FileCalls calls;
  return calls;
}

}  // namespace

bool writeFlushed(FileCalls& calls, const std::wstring& name, const std::string& bytes) {
  Handle file(calls, calls.open(name, GENERIC_WRITE, 0, TRUNCATE_EXISTING));
  return file.valid() && writeAllOf(calls, file.get(), bytes) && calls.flush(file.get()) && file.close();
}

// ---- The system calls ----

bool FileCalls::makeTempFile(const std::wstring& folder, const wchar_t* prefix, std::wstring& name) {
  wchar_t buffer[MAX_PATH + 16];
  if (folder.size() >= MAX_PATH - 14 || !GetTempFileNameW(folder.c_str(), prefix, 0, buffer)) return false;
  name = buffer;
  return true;
}

HANDLE FileCalls::open(const std::wstring& name, DWORD access, DWORD share, DWORD disposition) {
  return CreateFileW(name.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool FileCalls::close(HANDLE file) { return CloseHandle(file); }

bool FileCalls::write(HANDLE file, const char* data, DWORD length) {
  DWORD written = 0;
  return WriteFile(file, data, length, &written, nullptr) && written == length;
}

bool FileCalls::read(HANDLE file, char* data, DWORD length, DWORD& got) {
  got = 0;
  return ReadFile(file, data, length, &got, nullptr);
}

bool FileCalls::flush(HANDLE file) { return FlushFileBuffers(file); }

bool FileCalls::rewind(HANDLE file) {
  LARGE_INTEGER zero{};
  return SetFilePointerEx(file, zero, nullptr, FILE_BEGIN);
}

bool FileCalls::setLength(HANDLE file, std::uint64_t size) {
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(size);
  return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

DWORD FileCalls::linkCount(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info;
  return GetFileInformationByHandle(file, &info) ? info.nNumberOfLinks : 0;
}

DWORD FileCalls::replace(const std::wstring& target, const std::wstring& replacement,
                         const std::wstring& backup) {
  if (ReplaceFileW(target.c_str(), replacement.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS,
                   nullptr, nullptr))
    return 0;
  const DWORD error = GetLastError();
  return error ? error : ERROR_GEN_FAILURE;
}

bool FileCalls::move(const std::wstring& from, const std::wstring& to) {
  // No REPLACE_EXISTING: a file that appeared meanwhile is somebody else's and stays.
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH);
}

bool FileCalls::moveReplacing(const std::wstring& from, const std::wstring& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool FileCalls::remove(const std::wstring& name) { return DeleteFileW(name.c_str()); }

DWORD FileCalls::attributes(const std::wstring& name) { return GetFileAttributesW(name.c_str()); }

bool FileCalls::setAttributes(const std::wstring& name, DWORD attributes) {
  return SetFileAttributesW(name.c_str(), attributes);
}

// ---- Files ----

Win32Files::Win32Files() : calls_(systemCalls()) {}

std::string Win32Files::fullPath(const std::string& name) const {
  return narrow(fullPathW(widen(name)));
}

std::int64_t Win32Files::size(const std::string& name) const {
  // The attribute query reads the directory entry without opening the file and, unlike a
  // directory search, takes "*" and "?" as they are.
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (name.empty() ||
      !GetFileAttributesExW(fullPathW(widen(name)).c_str(), GetFileExInfoStandard, &data))
    return -1;
  return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool Win32Files::fileExists(const std::string& name) const {
  if (name.empty()) return false;
  const DWORD attr = GetFileAttributesW(widen(name).c_str());
  return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32Files::readAll(const std::string& name) {
  if (name.empty()) throw OpenError(name);
  Handle file(calls_, CreateFileW(widen(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.valid()) throw OpenError(name);
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size)) throw Error(texts::streamReadFailed);
  if (size.QuadPart > maxDocumentBytes) throw DocumentTooLarge(name);
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

void Win32Files::writeAll(const std::string& name, const std::string& bytes) {
  const auto fail = [&] { throw Error(cannotCreateMessage(name)); };
  if (name.empty()) fail();
  const std::wstring target = fullPathW(widen(name));
  const DWORD attr = calls_.attributes(target);
  const bool replacing = attr != INVALID_FILE_ATTRIBUTES;
  if (replacing && (attr & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) fail();

  // The new content goes to a file of its own in the target's folder, so that putting it in
  // place is a rename on the same volume and never a copy that could stop half-way.
  const std::wstring folder = folderOf(target);
  std::wstring tempName;
  if (!calls_.makeTempFile(folder, L"kkp", tempName)) fail();
  TempFile temp(calls_, tempName);
  if (!writeFlushed(calls_, temp.name(), bytes)) fail();

  if (!replacing) {
    if (!calls_.move(temp.name(), target)) fail();
    temp.keep();  // it is the target now
    return;
  }

  // Replacing a file with other hard links would leave them on the old content: write in place.
  DWORD links = 0;
  {
    Handle probe(calls_, calls_.open(target, FILE_READ_ATTRIBUTES, shareAll, OPEN_EXISTING));
    if (probe.valid()) links = calls_.linkCount(probe.get());
  }
  if (links > 1) {
    writeInPlace(name, target, folder, bytes);
    return;
  }

  // The old content is kept under a backup name until the new one is in place, so every way
  // ReplaceFile can fail leaves a copy of the old file to put back.
  std::wstring backupName;
  if (!calls_.makeTempFile(folder, L"kkb", backupName)) fail();
  TempFile backup(calls_, backupName);
  const DWORD error = calls_.replace(target, temp.name(), backup.name());
  if (error == 0) {
    temp.keep();
    // Wine's ReplaceFile drops attributes such as hidden; Windows keeps them and this is a no-op.
    calls_.setAttributes(target, attr & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                         FILE_ATTRIBUTE_NOT_CONTENT_INDEXED));
    return;
  }
  const bool targetThere = calls_.attributes(target) != INVALID_FILE_ATTRIBUTES;
  if (!targetThere) {
    // ReplaceFile moved the old file to the backup name but did not put the new one in its
    // place (errors 1176 and 1177): finish the move, else put the old file back.
    if (calls_.move(temp.name(), target)) {
      temp.keep();
      return;
    }
    // Never delete the only copy of the old file.
    if (!calls_.move(backup.name(), target) && calls_.attributes(target) == INVALID_FILE_ATTRIBUTES) backup.keep();
    fail();
  }
  // The target is still the old file under its own name. Another program holding it without
  // delete sharing, or a ReplaceFile that gave up before moving anything: write it in place.
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION ||
      error == ERROR_UNABLE_TO_MOVE_REPLACEMENT || error == ERROR_UNABLE_TO_REMOVE_REPLACED) {
    writeInPlace(name, target, folder, bytes);
    return;
  }
  fail();
}

void Win32Files::writeInPlace(const std::string& name, const std::wstring& target, const std::wstring& folder,
                              const std::string& bytes) {
  const auto fail = [&] { throw Error(cannotCreateMessage(name)); };
  // The new content is already in its temporary file. Keep the old one beside it too before the
  // target is touched, so a failure part-way can be undone and a crash loses neither.
  Handle file(calls_, calls_.open(target, GENERIC_READ | GENERIC_WRITE, shareAll, OPEN_EXISTING));
  if (!file.valid()) fail();
  std::string old;
  for (;;) {
    const std::size_t at = old.size();
    old.resize(at + chunkBytes);
    DWORD got = 0;
    if (!calls_.read(file.get(), old.data() + at, chunkBytes, got)) fail();
    old.resize(at + got);
    if (got == 0) break;
  }
  std::wstring backupName;
  if (!calls_.makeTempFile(folder, L"kkb", backupName)) fail();
  TempFile backup(calls_, backupName);
  if (!writeFlushed(calls_, backup.name(), old)) fail();

  // The length first: a disk too full for the new content says so before a byte is overwritten.
  const auto put = [&](const std::string& content) {
    return calls_.setLength(file.get(), content.size()) && calls_.rewind(file.get()) &&
           writeAllOf(calls_, file.get(), content) && calls_.flush(file.get());
  };
  if (put(bytes)) return;
  // Nothing is lost even when putting the old content back fails too: the backup stays.
  if (!put(old)) backup.keep();
  fail();
}

FileIdentity Win32Files::identity(const std::string& name) const { return readFileIdentity(name); }

std::optional<std::uint32_t> Win32Files::contentHash(const std::string& name) const { return readContentHash(name); }

std::int64_t Win32Files::nowTicks() const { return systemTimeTicks(); }

}  // namespace kakipo::win32
