// The Files port on the Win32 file API: reads with writers shut out, and saves that go to a
// temporary file beside the target and replace it only once the whole content is on disk.
#pragma once
#include <windows.h>

#include <string>

#include "documents/files.h"

namespace kakipo {

// Path names are CP932 in the logic; these convert with code page 932 whatever the system's
// ANSI code page is.
std::wstring widenPath(const std::string& name);
std::string narrowPath(const std::wstring& name);

class Win32Files : public Files {
 public:
  std::string fullPath(const std::string& name) const override;
  std::int64_t size(const std::string& name) const override;
  bool fileExists(const std::string& name) const override;
  std::string readAll(const std::string& name) override;
  void writeAll(const std::string& name, const std::string& bytes) override;

 protected:
  // One write of the temporary file; tests replace it to fail part-way.
  virtual bool writeChunk(HANDLE file, const char* data, DWORD length);
};

}  // namespace kakipo
