// The character counts on any bytes: the same fed in pieces of any size as whole, and the
// characters those clusters of the grapheme scanner that are not line breaks.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/grapheme.h"
#include "editing/text_counts.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kakipo::fuzz::Input in(data, size);
  const std::size_t piece = 1 + in.byte() % 8;
  const std::string text = in.rest();
  const std::string_view t = text;
  const kakipo::TextCounts whole = kakipo::countText(t);

  kakipo::TextCounter counter;
  for (std::size_t i = 0; i < t.size(); i += piece) counter.feed(t.substr(i, piece));
  FUZZ_CHECK(counter.result() == whole);

  std::int64_t clusters = 0;
  for (std::size_t i = 0; i < t.size(); i = kakipo::graphemeClusterEnd(t, i))
    clusters += t[i] != '\r' && t[i] != '\n';  // a cluster that begins with either is a line break
  FUZZ_CHECK(whole.characters == clusters);
  FUZZ_CHECK(whole.nonBlank <= whole.characters && whole.characters <= whole.halfWidthUnits &&
             whole.halfWidthUnits <= 2 * whole.characters);
  return 0;
}
