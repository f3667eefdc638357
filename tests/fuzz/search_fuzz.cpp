// The search engine's fast scan against the straightforward one, on any buffer, selection,
// search text and options; the buffer is its own allocation, so a read past it is caught.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "fuzz_input.h"
#include "search/reference_scan.h"
#include "search/search.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kakipo::fuzz::Input in(data, size);
  const unsigned options = in.u16();
  const std::string needle = in.bytes(in.byte() % 12);
  const std::string text = in.rest();
  const int n = static_cast<int>(text.size());
  const int selStart = n ? static_cast<int>(options >> 4) % (n + 1) : 0;
  const int selLength = n - selStart ? static_cast<int>(size % static_cast<std::size_t>(n - selStart + 1)) : 0;

  std::unique_ptr<char[]> buffer(new char[text.size()]);
  std::copy(text.begin(), text.end(), buffer.get());
  const auto fast = kakipo::bufKensak(buffer.get(), n, selStart, selLength, needle, options);
  const auto slow = kakipo::test::referenceBufKensak(text, n, selStart, selLength, needle, options);
  FUZZ_CHECK(fast == slow);
  return 0;
}
