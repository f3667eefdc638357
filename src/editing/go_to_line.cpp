#include "editing/go_to_line.h"

#include <algorithm>
#include <limits>

#include "core/utf.h"
#include "editing/editing_texts.h"

namespace kakipo {

namespace {

// The digit's value, for 0-9 and full-width ０-９; -1 for anything else.
int digitOf(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
  if (c >= U'\uFF10' && c <= U'\uFF19') return static_cast<int>(c - U'\uFF10');
  return -1;
}

bool isBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\u3000'; }

}  // namespace

std::optional<int> parseLineNumber(std::string_view text) {
  std::u32string chars;
  for (std::size_t i = 0; i < text.size();) {
    const utf::Decoded d = utf::decode(text, i);
    chars += d.c;
    i += d.length;
  }
  const auto first = std::find_if_not(chars.begin(), chars.end(), isBlank);
  const auto last = std::find_if_not(chars.rbegin(), chars.rend(), isBlank).base();
  if (first >= last) return std::nullopt;
  long long value = 0;
  for (auto it = first; it != last; ++it) {
    const int digit = digitOf(*it);
    if (digit < 0) return std::nullopt;
    value = std::min<long long>(value * 10 + digit, std::numeric_limits<int>::max());
  }
  return static_cast<int>(value);
}

int lineToGoTo(int number, int lineCount) { return std::clamp(number - 1, 0, std::max(lineCount - 1, 0)); }

void GoToLine::run() {
  const auto typed = dialog_.askLineNumber(std::to_string(memo1_.caret().line + 1), [](const std::string& text) {
    return parseLineNumber(text) ? std::string() : texts::goToLineNotANumber;
  });
  const auto number = typed ? parseLineNumber(*typed) : std::nullopt;
  if (!number) return;
  const int line = lineToGoTo(*number, memo1_.lineCount());
  memo1_.setSelStart(memo1_.lineStart(line));
  memo1_.scrollCaret();
  memo1_.setFocus();
}

}  // namespace kakipo
