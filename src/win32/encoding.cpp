#include "win32/encoding.h"

#include <windows.h>

#include <array>
#include <memory>

namespace kakipo::win32 {

namespace {

constexpr UINT cp932 = 932;

// For every UTF-16 unit: its CP932 bytes (one or two) packed, their count, and whether they are
// the unit's own or the "?" that stands in for it.
struct Cp932Table {
  std::array<std::uint16_t, 65536> code{};
  std::array<std::uint8_t, 65536> length{};
  std::array<bool, 65536> held{};
  Cp932Table() {
    for (unsigned u = 0; u < 65536; ++u) {
      wchar_t wc = static_cast<wchar_t>(u);
      char buf[4] = {};
      BOOL usedDefault = FALSE;
      int n = WideCharToMultiByte(cp932, WC_NO_BEST_FIT_CHARS, &wc, 1, buf, sizeof buf, "?", &usedDefault);
      if (n <= 0 || n > 2) {
        buf[0] = '?';
        n = 1;
      }
      held[u] = u == L'?' || !(n == 1 && buf[0] == '?');
      length[u] = static_cast<std::uint8_t>(n);
      code[u] = n == 2 ? static_cast<std::uint16_t>((static_cast<unsigned char>(buf[0]) << 8) | static_cast<unsigned char>(buf[1]))
                       : static_cast<unsigned char>(buf[0]);
    }
  }
};

const Cp932Table& table() {
  static const auto t = std::make_unique<Cp932Table>();
  return *t;
}

std::wstring wideFrom(UINT codePage, std::string_view s) {
  if (s.empty()) return {};
  const int n = MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
  return out;
}

}  // namespace

const UnitByteLengths& cp932UnitLengths() { return table().length; }

bool representableInCp932(wchar_t c) { return table().held[static_cast<std::uint16_t>(c)]; }

std::wstring widen(std::string_view s) { return wideFrom(cp932, s); }

std::string narrow(std::wstring_view w) {
  const auto& t = table();
  std::string out;
  out.reserve(w.size() * 2);
  for (wchar_t wc : w) {
    const auto u = static_cast<std::uint16_t>(wc);
    if (t.length[u] == 2) out += static_cast<char>(t.code[u] >> 8);
    out += static_cast<char>(t.code[u] & 0xFF);
  }
  return out;
}

std::string narrowControlText(std::wstring_view w, char standIn) {
  const auto& t = table();
  std::string out;
  out.reserve(w.size() * 2);
  for (std::size_t i = 0; i < w.size(); ++i) {
    const auto u = static_cast<std::uint16_t>(w[i]);
    if (u == L'\r') {
      out += "\r\n";
      if (i + 1 < w.size() && w[i + 1] == L'\n') ++i;
      continue;
    }
    if (t.length[u] == 2) out += static_cast<char>(t.code[u] >> 8);
    out += t.held[u] ? static_cast<char>(t.code[u] & 0xFF) : standIn;
  }
  return out;
}

UnicodeText unicodeText(std::wstring_view w) {
  std::string cp932 = narrow(w);
  for (const wchar_t c : w)
    if (!representableInCp932(c)) return {std::move(cp932), utf8Of(w)};
  return cp932;
}

std::wstring widenUtf8(std::string_view s) { return wideFrom(CP_UTF8, s); }

std::string utf8Of(std::wstring_view w) {
  if (w.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring decodePlainText(std::string_view s, TextEncoding encoding) {
  if (encoding == TextEncoding::ShiftJis) return widen(s);
  if (isUtf8(encoding)) return widenUtf8(s);
  std::wstring out(s.size() / 2, L'\0');
  const bool little = encoding == TextEncoding::Utf16Le;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto a = static_cast<unsigned char>(s[2 * i]), b = static_cast<unsigned char>(s[2 * i + 1]);
    out[i] = static_cast<wchar_t>(little ? a | (b << 8) : (a << 8) | b);
  }
  return out;
}

std::string encodeControlText(std::wstring_view w, TextEncoding encoding) {
  if (encoding == TextEncoding::ShiftJis) return narrowControlText(w);
  std::wstring lines;
  lines.reserve(w.size() + w.size() / 16);
  for (std::size_t i = 0; i < w.size(); ++i) {
    lines += w[i];
    if (w[i] == L'\r') {
      lines += L'\n';
      if (i + 1 < w.size() && w[i + 1] == L'\n') ++i;
    }
  }
  if (isUtf8(encoding)) return utf8Of(lines);
  std::string out(lines.size() * 2, '\0');
  const bool little = encoding == TextEncoding::Utf16Le;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto u = static_cast<std::uint16_t>(lines[i]);
    out[2 * i + (little ? 0 : 1)] = static_cast<char>(u & 0xFF);
    out[2 * i + (little ? 1 : 0)] = static_cast<char>(u >> 8);
  }
  return out;
}

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the control's text is UTF-16");

// wchar_t and char16_t are distinct types of the same size here; only the pointer type differs.
std::u16string_view asUtf16(std::wstring_view w) { return {reinterpret_cast<const char16_t*>(w.data()), w.size()}; }

int controlTextBytes(std::wstring_view w) { return kakipo::controlTextBytes(asUtf16(w), table().length); }

int controlUnitsForBytes(std::wstring_view w, int bytes) {
  return kakipo::controlUnitsForBytes(asUtf16(w), bytes, table().length);
}

OffsetCursor::OffsetCursor(std::wstring_view text) : ControlOffsetCursor(asUtf16(text), table().length) {}

}  // namespace kakipo::win32
