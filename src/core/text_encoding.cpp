#include "core/text_encoding.h"

#include "core/encoding_texts.h"

namespace kakipo {

namespace {
constexpr std::size_t indexOf(TextEncoding e) { return static_cast<std::size_t>(e); }
}  // namespace

const std::string& encodingName(TextEncoding encoding) { return texts::encodingNames[indexOf(encoding)]; }

std::optional<TextEncoding> encodingNamed(std::string_view name) {
  for (const TextEncoding e : allEncodings)
    if (encodingName(e) == name) return e;
  return std::nullopt;
}

std::string_view byteOrderMark(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8Bom: return "\xEF\xBB\xBF";
    case TextEncoding::Utf16Le: return "\xFF\xFE";
    case TextEncoding::Utf16Be: return "\xFE\xFF";
    default: return {};
  }
}

std::string_view crLf(TextEncoding encoding) {
  using namespace std::string_view_literals;
  switch (encoding) {
    case TextEncoding::Utf16Le: return "\r\0\n\0"sv;
    case TextEncoding::Utf16Be: return "\0\r\0\n"sv;
    default: return "\r\n"sv;
  }
}

}  // namespace kakipo
