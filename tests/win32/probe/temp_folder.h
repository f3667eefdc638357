// A folder of its own under the temporary folder for one test, scenario or measurement, removed
// with everything in it when its owner goes.
#pragma once
#include <string>

namespace kakipo::probe {

class TempFolder {
 public:
  // %TEMP%\<prefix>-<process id>-<count>, spelled with long names as the common dialogs give
  // paths back; whatever a crashed run left there is removed first. Throws when it cannot be made.
  explicit TempFolder(const std::wstring& prefix = L"kakipo");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& path() const { return path_; }
  std::wstring path(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// Removes a folder and everything in it, read-only files and sub-folders too.
void removeFolder(const std::wstring& folder);

}  // namespace kakipo::probe
