#include "editing/count_display.h"

#include "editing/count_texts.h"

namespace kakipo {

namespace {

// Thousands grouped with commas, as a form's limit ("10,000字") is written.
std::string grouped(std::int64_t n) {
  const std::string digits = std::to_string(n);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

std::string sheetsText(const TextCounts& c) {
  std::string text = grouped(c.sheets) + texts::countSheetsUnit;
  if (c.sheets > 0)
    text += texts::countLastSheetOpen + std::to_string(c.rowsOnLastSheet) + texts::countLastSheetClose;
  return text;
}

}  // namespace

std::string countPanelText(const CountDisplay& d) {
  if (!d.counts) return texts::countCounting;
  return grouped(d.counts->characters) + texts::countCharactersUnit + (d.counting ? "…" : "");
}

CountWindowTexts countWindowTexts(const CountDisplay& d) {
  CountWindowTexts t;
  t.scope = d.scope == CountScope::Selection ? texts::countScopeSelection : texts::countScopeDocument;
  if (d.counting) t.scope += "（" + texts::countCounting + "）";
  if (const auto& c = d.counts)
    t.values = {grouped(c->characters), grouped(c->nonBlank), grouped(c->halfWidthUnits), grouped(c->lines),
                sheetsText(*c)};
  return t;
}

}  // namespace kakipo
