#include "documents/long_lines.h"

#include "core/utf.h"

namespace kakipo {

namespace {

// The scripts the control lays out as runs of their own, roughly as the system tells them apart.
enum class Script { None, Latin, Punctuation, Hiragana, Katakana, Han, Other };

Script scriptOf(char32_t c) {
  if (c < 0x2E80) return Script::Latin;
  if (c < 0x3040) return Script::Punctuation;
  if (c < 0x30A0) return Script::Hiragana;
  if (c < 0x3100 || (c >= 0xFF66 && c <= 0xFF9F)) return Script::Katakana;
  if ((c >= 0x3400 && c < 0xA000) || (c >= 0xF900 && c < 0xFB00) || c >= 0x20000) return Script::Han;
  if (c >= 0xFF00 && c < 0xFFF0) return Script::Punctuation;
  return Script::Other;
}

}  // namespace

HeaviestLine heaviestLine(std::string_view text) {
  HeaviestLine heaviest, line;
  Script last = Script::None;
  const auto endLine = [&] {
    if (line.runs > heaviest.runs) heaviest = line;
    line = {};
    last = Script::None;
  };
  for (std::size_t i = 0; i < text.size();) {
    const utf::Decoded d = utf::decode(text, i);
    i += d.length;
    if (d.c == '\r' || d.c == '\n') {
      endLine();
      continue;
    }
    const Script s = scriptOf(d.c);
    line.runs += s != last;
    last = s;
    line.characters += d.c >= 0x10000 ? 2 : 1;
  }
  endLine();
  return heaviest;
}

}  // namespace kakipo
