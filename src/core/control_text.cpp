#include "core/control_text.h"

#include "core/utf.h"

namespace kakipo {

namespace {
constexpr bool isHigh(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
constexpr bool isLow(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }
}  // namespace

std::string textOfControl(std::u16string_view w) {
  std::string out(w.size() * 3, '\0');  // a CR becomes two bytes, any other unit at most three
  char* o = out.data();
  for (std::size_t i = 0; i < w.size(); ++i) {
    char32_t c = w[i];
    if (c < 0x80) {
      if (c == u'\r') {
        *o++ = '\r';
        c = u'\n';
        if (i + 1 < w.size() && w[i + 1] == u'\n') ++i;
      }
      *o++ = static_cast<char>(c);
      continue;
    }
    if (isHigh(static_cast<char16_t>(c)) && i + 1 < w.size() && isLow(w[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (w[i + 1] - 0xDC00);
      ++i;
    }
    o = utf::put(o, c);
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

std::u16string controlOfText(std::string_view s) {
  std::u16string out = utf::toUtf16(s);
  std::size_t k = 0;
  char16_t previous = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const char16_t u = out[i];
    if (u != u'\n')
      out[k++] = u;
    else if (previous != u'\r')  // the LF of a CR LF is that break's
      out[k++] = u'\r';
    previous = u;
  }
  out.resize(k);
  return out;
}

int textBytesOf(std::u16string_view control) {
  ControlOffsetCursor cursor(control);
  return cursor.bytesForUnits(static_cast<int>(control.size()));
}

void ControlOffsetCursor::step() {
  const char16_t u = text_[unit_++];
  if (u < 0x80) {
    if (u == u'\r') {
      bytes_ += 2;
      if (unit_ < text_.size() && text_[unit_] == u'\n') ++unit_;
    } else {
      bytes_ += 1;
    }
  } else if (u < 0x800) {
    bytes_ += 2;
  } else if (isHigh(u) && unit_ < text_.size() && isLow(text_[unit_])) {
    bytes_ += 4;
    ++unit_;
  } else {
    bytes_ += 3;
  }
}

}  // namespace kakipo
