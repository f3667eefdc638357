// The program entry: takes the instance mutex (noting whether another instance holds it), builds
// the main window and runs the message loop. A main window that cannot be built is explained in a
// box, and the program ends with a failure code.
#include <windows.h>

#include <exception>
#include <memory>

#include "app/main_window_texts.h"
#include "win32/encoding.h"
#include "win32/main_window.h"
#include "win32/recovery_files.h"
#include "win32/single_instance.h"

namespace {
constexpr int startupFailed = 1;
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  using namespace kakipo::win32;
  const SingleInstance instance;
  std::unique_ptr<MainWindow> form;
  try {
    form = std::make_unique<MainWindow>(instance.anotherInstanceRuns(), chooseRecoveryFolder());
  } catch (const std::exception& e) {
    MessageBoxW(nullptr, widen(e.what()).c_str(), widen(kakipo::texts::startupFailedCaption).c_str(),
                MB_OK | MB_ICONERROR);
    return startupFailed;
  }
  form->show(narrow(GetCommandLineW()), showCommand);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (form->preTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
