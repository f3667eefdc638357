// What the counts look like where they are shown: the status bar's panel and the count window's
// rows, for the counts of the selection or of the whole document as far as they are known.
#pragma once
#include <array>
#include <optional>
#include <string>

#include "editing/text_counts.h"

namespace kakipo {

enum class CountScope { Document, Selection };

struct CountDisplay {
  CountScope scope = CountScope::Document;
  std::optional<TextCounts> counts;  // the last counts of this scope; none before the first
  bool counting = false;             // the text has changed since, or is still being counted
  friend bool operator==(const CountDisplay&, const CountDisplay&) = default;
};

// The status bar's panel: "12,345 文字", "…" after it while it is not the count of the text as it
// is now, and "数えています…" before there is any.
std::string countPanelText(const CountDisplay& d);

struct CountWindowTexts {
  std::string scope;                 // what is counted, and whether it is still being counted
  std::array<std::string, 5> values;  // in the order of texts::countLabels
  friend bool operator==(const CountWindowTexts&, const CountWindowTexts&) = default;
};
CountWindowTexts countWindowTexts(const CountDisplay& d);

}  // namespace kakipo
