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
  // Once everything is handed over, the control's last call only learns that the stream ended.
  if (s->pos < s->size && s->cancelled && s->cancelled()) {
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

// Where a read that starts at `from` ends: just after the first line break at least pieceUnits
// further on, a CR LF pair kept whole; or the end of the text.
std::size_t pieceEnd(std::wstring_view text, std::size_t from, std::size_t pieceUnits) {
  pieceUnits = std::max<std::size_t>(pieceUnits, 1);
  if (text.size() - from <= pieceUnits) return text.size();
  const std::size_t at = text.find_first_of(L"\r\n", from + pieceUnits - 1);
  if (at == std::wstring_view::npos) return text.size();
  return text.substr(at, 2) == L"\r\n" ? at + 2 : at + 1;
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

// The control takes in the whole stream of a read first and lays it out only then, so inside one
// read of a whole document the cancel was asked during the first moments and never during the
// layout, which is nearly all the time. Reads of some hundreds of lines let it be asked between
// them, at no cost to the whole (10 MB of ordinary lines under Wine: 18 s either way; lines of
// Japanese prose alone took less than half as long in pieces). A line is never cut: the control
// lays a whole paragraph out again each time text is added to it, which for one long line would
// cost every piece as much as the whole line.
StreamResult streamTextInPieces(HWND control, std::wstring_view text, const std::function<bool()>& cancelled,
                                std::size_t pieceUnits) {
  std::size_t from = 0;
  do {
    if (cancelled && cancelled()) return StreamResult::Cancelled;
    const std::size_t to = pieceEnd(text, from, pieceUnits);
    UINT format = SF_TEXT | SF_UNICODE;
    if (from > 0) {
      const LONG end = re::lengthInUnits(control);
      re::select(control, end, end);
      format |= SFF_SELECTION;
    }
    const StreamResult read = streamInto(control, text.data() + from, (to - from) * sizeof(wchar_t), format, cancelled);
    if (read != StreamResult::Read) return read;
    from = to;
  } while (from < text.size());
  return StreamResult::Read;
}

std::optional<std::string> streamOutOf(HWND control, UINT format) {
  std::string out;
  EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&out), 0, writeStream};
  re::streamOut(control, format, es);
  if (es.dwError != 0) return std::nullopt;
  return out;
}

}  // namespace kakipo::win32
