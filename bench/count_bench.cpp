// The character counts over the 10 MB mixed Japanese and ASCII corpus in UTF-8, whole and in 64 KB
// slices (as the idle-time count takes it), against converting the same text to UTF-16, the pass
// every text makes on its way to the editor control.
#include <benchmark/benchmark.h>

#include <iconv.h>

#include <cstdlib>
#include <string>

#include "bench/corpus.h"
#include "core/utf.h"
#include "editing/text_counts.h"

namespace {

const std::string& documentText() {
  static const std::string text = [] {
    std::string cp932 = kakipo::bench::Corpus().text(10'000'000);
    std::string utf8(cp932.size() * 2, '\0');
    iconv_t cd = iconv_open("UTF-8", "CP932");
    char* in = cp932.data();
    char* out = utf8.data();
    std::size_t inLeft = cp932.size(), outLeft = utf8.size();
    if (cd == iconv_t(-1) || iconv(cd, &in, &inLeft, &out, &outLeft) == std::size_t(-1)) std::abort();
    iconv_close(cd);
    utf8.resize(utf8.size() - outLeft);
    return utf8;
  }();
  return text;
}

void countWhole(benchmark::State& state) {
  const std::string& text = documentText();
  for (auto _ : state) benchmark::DoNotOptimize(kakipo::countText(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(text.size()) * state.iterations());
}

void countInSlices(benchmark::State& state) {
  const std::string_view text = documentText();
  for (auto _ : state) {
    kakipo::TextCounter counter;
    for (std::size_t i = 0; i < text.size(); i += 65536) counter.feed(text.substr(i, 65536));
    benchmark::DoNotOptimize(counter.result());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(text.size()) * state.iterations());
}

void toUtf16Baseline(benchmark::State& state) {
  const std::string& text = documentText();
  for (auto _ : state) benchmark::DoNotOptimize(kakipo::utf::toUtf16(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(text.size()) * state.iterations());
}

BENCHMARK(countWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(countInSlices)->Unit(benchmark::kMillisecond);
BENCHMARK(toUtf16Baseline)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
