// Streaming text into and out of a rich-edit control (EM_STREAMIN / EM_STREAMOUT) from and to
// memory.
#pragma once
#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kakipo::win32 {

enum class StreamResult { Read, Failed, Cancelled };

// Streams size bytes in: RTF, or UTF-16 text when format has SF_UNICODE. cancelled, when given, is
// asked before every piece the control takes; true stops the read there.
StreamResult streamInto(HWND control, const void* data, std::size_t size, UINT format,
                        const std::function<bool()>& cancelled = {});
// How much plain text one read brings in: on ordinary lines about a tenth of a second of Wine's
// control, the longest a cancel waits.
inline constexpr std::size_t textPieceUnits = 32768;

// Streams UTF-16 text into an empty control as a series of reads, each of whole lines and about
// pieceUnits long (a longer line is a read of its own), each added at the end of what is in.
// cancelled is asked before every read and every piece within one.
StreamResult streamTextInPieces(HWND control, std::wstring_view text, const std::function<bool()>& cancelled,
                                std::size_t pieceUnits = textPieceUnits);
// The control's content streamed out; nothing when the control reported an error.
std::optional<std::string> streamOutOf(HWND control, UINT format);

}  // namespace kakipo::win32
