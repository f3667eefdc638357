// The program entry: detects a running instance through the named mutex, builds the main window,
// runs the message loop, and gives up the mutex when the window has closed.
#include <windows.h>

#include "win32/encoding.h"
#include "win32/main_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  const bool secondInstance = kakipo::win32::anotherInstanceRuns();
  HANDLE mutex = CreateMutexW(nullptr, FALSE, L"uniKakipo");

  int exitCode = 0;
  {
    kakipo::win32::MainWindow form(secondInstance);
    form.show(kakipo::win32::narrow(GetCommandLineW()), showCommand);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      if (form.translateAccelerator(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    exitCode = static_cast<int>(msg.wParam);
  }
  if (mutex) {
    ReleaseMutex(mutex);
    CloseHandle(mutex);
  }
  return exitCode;
}
