// How fuzzy search scans a text for the places where it compares its pattern: for the exact bytes
// of a run of units that have one spelling each (a kanji), or for the first bytes of every
// spelling of one unit, whichever a rough count of the work in Japanese text finds cheaper.
#pragma once
#include <string>
#include <vector>

#include "search/sequence_filter.h"

namespace kakipo {

struct ScanPlan {
  int anchor = 0;       // the unit that begins where the scan stops
  std::string literal;  // the anchor unit and the ones after it, exactly; or a filter:
  std::vector<std::vector<SequenceFilter::Test>> sequences;
  int followOffset = -1;
  std::vector<unsigned char> followValues;
};

// The plan for a pattern of these keys (one or more).
ScanPlan scanPlanFor(const std::vector<char32_t>& keys);

}  // namespace kakipo
