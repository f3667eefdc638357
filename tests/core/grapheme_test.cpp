#include "core/grapheme.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "core/utf.h"

namespace kakipo {
namespace {

#include "grapheme_break_cases.inc"

// A ZWJ joins a pictograph only after a pictograph and its extenders; the Unicode cases have no
// letter with a mark before a ZWJ.
constexpr const char* moreCases[] = {"/ 0061 x 0308 x 200D / 1F6D1 /"};

// Every case of the Unicode conformance test, each rule GB3..GB13 and the property tables behind
// them, walked cluster by cluster over the UTF-8 text.
TEST(Grapheme, ClustersMatchTheUnicodeBreakTest) {
  std::vector<const char*> all(std::begin(graphemeBreakCases), std::end(graphemeBreakCases));
  all.insert(all.end(), std::begin(moreCases), std::end(moreCases));
  for (const char* line : all) {
    std::istringstream tokens(line);
    std::string token, text;
    std::vector<std::size_t> expected, found;
    while (tokens >> token) {
      if (token == "/") expected.push_back(text.size());
      else if (token != "x") utf::append(text, static_cast<char32_t>(std::stoul(token, nullptr, 16)));
    }
    for (std::size_t i = 0; i < text.size(); i = graphemeClusterEnd(text, i)) found.push_back(i);
    found.push_back(text.size());
    EXPECT_EQ(found, expected) << line;
  }
}

}  // namespace
}  // namespace kakipo
