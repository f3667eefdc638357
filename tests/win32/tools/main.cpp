// Windows of the program shown on their own and left up, for a screenshot (scripts/screenshot)
// or for a test that needs them in another process. Asserts nothing: no test.
//   kakipo_tools show-about [SECONDS]      the about box, cancelled after SECONDS (default 10)
//   kakipo_tools show-help [SECONDS]       the help viewer on "・ファイルの保存" for SECONDS
//   kakipo_tools show-progress [shell]     a progress dialog captioned "other instance" until ended;
//                                          "shell" plays the shell library's clip instead of ours
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "win32/about_box.h"
#include "win32/help_viewer.h"
#include "win32/probe/window_query.h"
#include "win32/progress_dialog.h"

namespace kakipo::win32 {
namespace {

using probe::pump;

void pumpFor(int seconds) {
  const DWORD until = GetTickCount() + 1000 * static_cast<DWORD>(seconds);
  while (GetTickCount() < until) {
    pump();
    Sleep(50);
  }
}

int showAbout(int seconds) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SetTimer(nullptr, 0, 1000 * static_cast<UINT>(seconds), [](HWND, UINT, UINT_PTR id, DWORD) {
    if (AboutBoxWindow* box = AboutBoxWindow::instance()) {
      KillTimer(nullptr, id);
      SendMessageW(box->cancelButton(), BM_CLICK, 0, 0);
    }
  });
  AboutBoxWindow::show(owner);
  DestroyWindow(owner);
  return 0;
}

int showHelp(int seconds) {
  HelpViewerWindow::show();
  pump();
  HelpViewerWindow::instance()->logic().sentakHyoj("・ファイルの保存");
  pumpFor(seconds);
  HelpViewerWindow::release();
  return 0;
}

[[noreturn]] void showProgress(bool shellClip) {
  win32::ProgressDialogWindow dialog;
  if (shellClip) dialog.setClipLibrary(GetModuleHandleW(L"shell32.dll"));
  if (!dialog.sinkouHyoj(true, "other instance", 0, 1, 2)) std::exit(1);
  for (;;) {
    pump();
    Sleep(20);
  }
}

}  // namespace
}  // namespace kakipo::win32

int main(int argc, char** argv) {
  using namespace kakipo::win32;
  const std::string command = argc > 1 ? argv[1] : "";
  const std::string option = argc > 2 ? argv[2] : "";
  const int seconds = option.empty() ? 10 : std::atoi(option.c_str());
  if (command == "show-about") return showAbout(seconds);
  if (command == "show-help") return showHelp(seconds);
  if (command == "show-progress") showProgress(option == "shell");
  std::fprintf(stderr, "usage: kakipo_tools show-about [SECONDS] | show-help [SECONDS] | show-progress [shell]\n");
  return 1;
}
