// The Files port on the Win32 file API: reads with writers shut out, and saves that go to a
// temporary file beside the target and replace it only once the whole content is on disk.
#pragma once
#include <windows.h>

#include <string>

#include "documents/files.h"

namespace kakipo::win32 {

// The system calls a save is made of, one virtual each, so that tests can make any one of them
// fail the way a full disk, a pulled network drive or another program would.
class FileCalls {
 public:
  virtual ~FileCalls() = default;
  // A new, empty file of a unique name in folder.
  virtual bool makeTempFile(const std::wstring& folder, const wchar_t* prefix, std::wstring& name);
  virtual HANDLE open(const std::wstring& name, DWORD access, DWORD share, DWORD disposition);
  virtual bool close(HANDLE file);
  // True only when all of data was written.
  virtual bool write(HANDLE file, const char* data, DWORD length);
  virtual bool read(HANDLE file, char* data, DWORD length, DWORD& got);
  virtual bool flush(HANDLE file);
  virtual bool rewind(HANDLE file);
  // Makes the file exactly size bytes long, taking the disk space a longer file needs.
  virtual bool setLength(HANDLE file, std::uint64_t size);
  virtual DWORD linkCount(HANDLE file);  // 0 when unknown
  // 0 on success, else the error ReplaceFile reported.
  virtual DWORD replace(const std::wstring& target, const std::wstring& replacement,
                        const std::wstring& backup);
  virtual bool move(const std::wstring& from, const std::wstring& to);
  // A rename that takes the place of a file of that name, if there is one.
  virtual bool moveReplacing(const std::wstring& from, const std::wstring& to);
  virtual bool remove(const std::wstring& name);
  virtual DWORD attributes(const std::wstring& name);
  virtual bool setAttributes(const std::wstring& name, DWORD attributes);
};

// Writes bytes into the existing file name through calls and makes them durable before closing it.
bool writeFlushed(FileCalls& calls, const std::wstring& name, const std::string& bytes);

class Win32Files : public Files {
 public:
  Win32Files();
  explicit Win32Files(FileCalls& calls) : calls_(calls) {}

  std::string fullPath(const std::string& name) const override;
  std::int64_t size(const std::string& name) const override;
  bool fileExists(const std::string& name) const override;
  std::string readAll(const std::string& name) override;
  // Replaces the target by ReplaceFile. Where that cannot be done (the target has other hard
  // links, another program holds it without delete sharing, ReplaceFile gave up half-way with
  // error 1176) and only then, the target is rewritten in place, with the new content and the
  // old one both safe in files beside it until it is done.
  void writeAll(const std::string& name, const std::string& bytes) override;
  FileIdentity identity(const std::string& name) const override;
  std::optional<std::uint32_t> contentHash(const std::string& name) const override;
  std::int64_t nowTicks() const override;

 private:
  void writeInPlace(const std::string& name, const std::wstring& target, const std::wstring& folder,
                    const std::string& bytes);
  FileCalls& calls_;
};

}  // namespace kakipo::win32
