#include "win32/rich_edit_stream.h"

#include <algorithm>

#include "win32/controls/rich_edit.h"

namespace kakipo::win32 {

namespace {

struct StreamInState {
  const char* data;
  std::size_t size;
  std::size_t pos;
  bool utf16Text;  // plain UTF-16 text rather than RTF bytes
  const std::function<bool()>& cancelled;
  bool stopped = false;
};

// The control reads a text stream in pieces and takes a CR at the end of one piece and the LF at
// the start of the next for two line breaks, adding a blank line to the document. A piece of text
// therefore never ends in a CR (unless the text does) nor inside a UTF-16 unit.
std::size_t textPieceLength(const StreamInState& s, std::size_t n) {
  const std::size_t whole = n & ~std::size_t{1};
  std::size_t end = whole;
  const auto unitAt = [&](std::size_t byte) {
    return static_cast<wchar_t>(static_cast<unsigned char>(s.data[s.pos + byte]) |
                                (static_cast<unsigned char>(s.data[s.pos + byte + 1]) << 8));
  };
  while (end >= 2 && s.pos + end < s.size && unitAt(end - 2) == L'\r') end -= 2;
  return end > 0 ? end : whole;
}

DWORD CALLBACK readStream(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got) {
  auto* s = reinterpret_cast<StreamInState*>(cookie);  // the cookie is ours, set below
  if (s->cancelled && s->cancelled()) {
    s->stopped = true;
    *got = 0;
    return 1;  // any non-zero value ends the read with an error
  }
  std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(wanted), s->size - s->pos);
  if (s->utf16Text) n = textPieceLength(*s, n);
  std::copy_n(s->data + s->pos, n, buffer);
  s->pos += n;
  *got = static_cast<LONG>(n);
  return 0;
}

DWORD CALLBACK writeStream(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* written) {
  auto* out = reinterpret_cast<std::string*>(cookie);
  out->append(buffer, buffer + count);
  *written = count;
  return 0;
}

}  // namespace

StreamResult streamInto(HWND control, const void* data, std::size_t size, UINT format,
                        const std::function<bool()>& cancelled) {
  StreamInState state{static_cast<const char*>(data), size, 0, (format & SF_UNICODE) != 0, cancelled};
  EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&state), 0, readStream};
  re::streamIn(control, format, es);
  if (state.stopped) return StreamResult::Cancelled;
  return es.dwError == 0 ? StreamResult::Read : StreamResult::Failed;
}

std::optional<std::string> streamOutOf(HWND control, UINT format) {
  std::string out;
  EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&out), 0, writeStream};
  re::streamOut(control, format, es);
  if (es.dwError != 0) return std::nullopt;
  return out;
}

}  // namespace kakipo::win32
