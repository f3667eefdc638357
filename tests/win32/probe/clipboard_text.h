// Unicode text on the clipboard, put there and read back as another program would.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace kakipo::probe {

// Replaces the clipboard's contents with the text (CF_UNICODETEXT). Waits up to ten seconds for
// another program to let go of the clipboard, then throws.
void setClipboardText(const std::wstring& text, HWND owner = nullptr);
// The clipboard's Unicode text; nothing when it holds none. Waits and throws as above.
std::optional<std::wstring> clipboardText(HWND owner = nullptr);

}  // namespace kakipo::probe
