#include "editing/conversion.h"

#include "core/char_forms.h"
#include "core/utf.h"

namespace kakipo {

namespace {

using namespace forms;

// A character followed by one of these is part of a sequence whose look depends on that very
// character (an ideographic variant, an emoji keycap): converting it would break the sequence.
bool bindsThePrevious(char32_t c) {
  return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF) || c == 0x20E3;
}

// Hiragana where Shift_JIS has it: ヴ ヵ ヶ keep their katakana.
char32_t hiraganaInCp932(char32_t c) { return c >= 0x30F4 && c <= 0x30F6 ? c : hiragana(c); }

// The half-width spelling of c, a voiced kana split in two; false when c has none.
bool halfWidthSpelling(char32_t c, std::u32string& out) {
  const Split s = split(c);
  const char32_t base = narrowForm(s.base);
  if (base == s.base) return false;
  out += base;
  if (s.mark != 0) out += s.mark == combiningVoiced ? halfWidthVoiced : halfWidthSemiVoiced;
  return true;
}

// What one unit of text becomes: a character, or a kana and the voicing mark it joins
// (`joinedForm`, 0 when it joins none). Nothing, or the unit as it is, when it stays.
void convertUnit(Conversion conversion, char32_t c, char32_t joinedForm, std::u32string& out) {
  switch (conversion) {
    case Conversion::FullWidth:
      out += joinedForm != 0 ? joinedForm : wideForm(c);
      return;
    case Conversion::HalfWidth:
      if (joinedForm != 0)
        halfWidthSpelling(joinedForm, out);
      else if (!(c >= 0xFFE0 && c <= 0xFFE6))
        halfWidthSpelling(c, out);
      return;
    case Conversion::Hiragana:
      if (isHalfWidthKana(c))
        out += hiraganaInCp932(joinedForm != 0 ? joinedForm : wideForm(c));
      else
        out += hiraganaInCp932(c);
      return;
    case Conversion::Katakana:
      out += katakana(c);
      return;
  }
}

}  // namespace

std::vector<TextEdit> conversionEdits(Conversion conversion, std::string_view text) {
  std::vector<TextEdit> edits;
  std::u32string to;
  std::string bytes;
  for (std::size_t i = 0; i < text.size();) {
    // Only 全角へ changes ASCII.
    if (static_cast<unsigned char>(text[i]) < 0x80 && conversion != Conversion::FullWidth) {
      ++i;
      continue;
    }
    const utf::Decoded d = utf::decode(text, i);
    std::size_t length = static_cast<std::size_t>(d.length);
    char32_t joinedForm = 0;
    char32_t after = 0;
    if (i + length < text.size()) {
      const utf::Decoded next = utf::decode(text, i + length);
      // A kana whose width changes takes its mark along; one that only changes script keeps it
      // where it stands.
      const bool widthChanges = conversion == Conversion::FullWidth || conversion == Conversion::HalfWidth ||
                                (conversion == Conversion::Hiragana && isHalfWidthKana(d.c));
      joinedForm = widthChanges ? joined(d.c, next.c) : 0;
      if (joinedForm != 0) length += static_cast<std::size_t>(next.length);
      after = joinedForm == 0 ? next.c : i + length < text.size() ? utf::decode(text, i + length).c : 0;
    }
    to.clear();
    if (!bindsThePrevious(after)) convertUnit(conversion, d.c, joinedForm, to);
    if (!to.empty()) {
      bytes.clear();
      for (char32_t c : to) utf::append(bytes, c);
      if (bytes != text.substr(i, length)) edits.push_back({static_cast<int>(i), static_cast<int>(length), bytes});
    }
    i += length;
  }
  return edits;
}

std::string convert(Conversion conversion, std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t at = 0;
  for (const TextEdit& e : conversionEdits(conversion, text)) {
    out.append(text.substr(at, static_cast<std::size_t>(e.start) - at));
    out += e.text;
    at = static_cast<std::size_t>(e.start + e.length);
  }
  out.append(text.substr(at));
  return out;
}

}  // namespace kakipo
