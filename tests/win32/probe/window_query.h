// What the Windows-side test programs read off windows, their own or another process's, and
// letting queued messages run as a message loop would.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace kakipo::probe {

// Handles every message queued for this thread, then returns.
void pump();

// A top-level window's caption, or a control's text. A control of another process is asked with
// WM_GETTEXT, which crosses processes whatever the length (GetWindowText does not).
std::wstring windowText(HWND h);
std::wstring className(HWND h);
RECT windowRect(HWND h);
// The process a window belongs to.
DWORD windowProcess(HWND h);

std::vector<HWND> topLevelWindows();
// Every descendant of the window, in the order EnumChildWindows gives them.
std::vector<HWND> childWindows(HWND parent);

}  // namespace kakipo::probe
