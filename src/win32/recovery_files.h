// The store of recovery files on disk: the folder they live in, this instance's own file and the
// named mutex that tells a later start this instance still runs, and the worker that writes.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "recovery/recovery_ports.h"
#include "win32/files.h"
#include "win32/handles.h"
#include "win32/recovery_writer.h"

namespace kakipo::win32 {

// "recovery" beside the executable, next to the settings file, as the program is portable; the
// user's %LOCALAPPDATA%\kakipo\recovery when no file can be made there. When neither can take a
// file, the first, whose path the first failed write then names.
std::wstring chooseRecoveryFolder();

class RecoveryFiles : public RecoveryStore {
 public:
  // Each finished write posts `message` to `window` (none: nobody is told), whose handler then
  // takes the outcomes. The folder is made when missing.
  RecoveryFiles(std::wstring folder, HWND window, UINT message);
  // The same, writing through `calls` so that tests can make any step fail.
  RecoveryFiles(std::wstring folder, HWND window, UINT message, FileCalls& calls);

  std::string folder() const override;
  std::vector<RecoveryFileInfo> list() const override;
  std::string ownId() const override;
  std::string read(const std::string& id) override;
  void write(RecoverySnapshot snapshot) override { writer_.write(std::move(snapshot)); }
  bool writeNow(const RecoverySnapshot& snapshot) override { return writer_.writeNow(snapshot); }
  bool claim(const std::string& id) override;
  void remove(const std::string& id) override;
  void markUnreadableReported(const std::string& id) override;

  // The outcomes of the writes finished since the last call, oldest first.
  std::vector<bool> takeResults() { return writer_.takeResults(); }
  // Waits for the writes asked for; none is started after.
  void finish() { writer_.finish(); }

 private:
  std::wstring folder_;
  std::wstring ownStem_;  // kakipo-<process id>-<process start>, the file's name and the mutex's
  UniqueHandle alive_;    // held while this instance runs; the system drops it when the process ends
  std::vector<UniqueHandle> claims_;  // other instances' files this one deals with, held likewise
  FileCalls systemCalls_;
  RecoveryWriter writer_;
};

}  // namespace kakipo::win32
