#include "win32/single_instance.h"

namespace kakipo::win32 {

namespace {
constexpr wchar_t mutexName[] = L"uniKakipo";
}  // namespace

SingleInstance::SingleInstance() : mutex_(CreateMutexW(nullptr, FALSE, mutexName)) {
  // Read at once: the next call may change the last error.
  another_ = mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
}

std::wstring executablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);  // the path was cut; ask again with room for it
  }
}

bool startInstance(const std::wstring& program) {
  // The program by its full path, quoted: a program of the same name in the current folder must
  // never be the one that starts.
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW si{sizeof si};
  GetStartupInfoW(&si);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return false;
  const UniqueHandle process(pi.hProcess), thread(pi.hThread);
  return true;
}

}  // namespace kakipo::win32
