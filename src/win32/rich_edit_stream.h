// Streaming text into and out of a rich-edit control (EM_STREAMIN / EM_STREAMOUT) from and to
// memory.
#pragma once
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

namespace kakipo::win32 {

// Streams size bytes in: RTF, or UTF-16 text when format has SF_UNICODE. False when the control
// reported an error.
bool streamInto(HWND control, const void* data, std::size_t size, UINT format);
// The control's content streamed out; nothing when the control reported an error.
std::optional<std::string> streamOutOf(HWND control, UINT format);

}  // namespace kakipo::win32
