// The program's own process: the named mutex by which a second instance knows of the first, our
// executable's path, and starting another instance of it.
#pragma once
#include <string>

#include "win32/handles.h"

namespace kakipo::win32 {

// Holds the mutex "uniKakipo" for as long as it lives; every instance takes it at start.
class SingleInstance {
 public:
  SingleInstance();
  // True when another instance held the mutex already when this one took it.
  bool anotherInstanceRuns() const { return another_; }

 private:
  UniqueHandle mutex_;
  bool another_ = false;
};

// The running executable's full path, however long.
std::wstring executablePath();

// Starts program (a full path) as a new process with no arguments; false when it could not start.
bool startInstance(const std::wstring& program);

}  // namespace kakipo::win32
