// Streaming text into and out of a rich-edit control (EM_STREAMIN / EM_STREAMOUT) from and to
// memory.
#pragma once
#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace kakipo::win32 {

enum class StreamResult { Read, Failed, Cancelled };

// Streams size bytes in: RTF, or UTF-16 text when format has SF_UNICODE. cancelled, when given, is
// asked before every piece the control takes; true stops the read there.
StreamResult streamInto(HWND control, const void* data, std::size_t size, UINT format,
                        const std::function<bool()>& cancelled = {});
// The control's content streamed out; nothing when the control reported an error.
std::optional<std::string> streamOutOf(HWND control, UINT format);

}  // namespace kakipo::win32
