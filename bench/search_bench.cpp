// bufKensak over 10 MB of mixed Japanese and ASCII text with an absent search text, against glibc
// memmem over the same buffer in the same iterations; and fuzzy find against bufKensak over the
// same text as UTF-8.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <time.h>

#include "bench/corpus.h"
#include "search/fuzzy_match.h"
#include "search/search.h"

namespace {

// <chrono> does not build with the CP932 execution character set, so the clock is read directly.
double now() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

constexpr const char* absent = "Kakipo7";

// The same seeded mixed Japanese and ASCII text the Wine harness opens.
const std::string& documentText() {
  static const std::string text = [] {
    std::string t = kakipo::bench::Corpus().text(10'000'000);
    if (memmem(t.data(), t.size(), absent, std::strlen(absent)) != nullptr) std::abort();
    return t;
  }();
  return text;
}

void searchBench(benchmark::State& state, unsigned options) {
  const std::string& text = documentText();
  const int n = static_cast<int>(text.size());
  const int selStart = (options & kakipo::fr::down) ? 0 : n;
  const std::size_t size = std::strlen(absent);
  double kensakSeconds = 0;
  double memmemSeconds = 0;
  for (auto _ : state) {
    const auto t0 = now();
    auto found = kakipo::bufKensak(text.data(), n, selStart, 0, absent, options);
    const auto t1 = now();
    const void* baseline = memmem(text.data(), text.size(), absent, size);
    const auto t2 = now();
    benchmark::DoNotOptimize(found);
    benchmark::DoNotOptimize(baseline);
    if (found || baseline) state.SkipWithError("the search text is in the document");
    const double k = t1 - t0;
    kensakSeconds += k;
    memmemSeconds += t2 - t1;
    state.SetIterationTime(k);
  }
  const double bytes = static_cast<double>(n) * static_cast<double>(state.iterations());
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
  state.counters["GB/s"] = bytes / kensakSeconds / 1e9;
  state.counters["memmem_GB/s"] = bytes / memmemSeconds / 1e9;
  // Throughput of bufKensak as a share of memmem's over the same bytes in the same iterations.
  state.counters["vs_memmem"] = memmemSeconds / kensakSeconds;
}

std::string utf8(std::u8string_view s) { return std::string(s.begin(), s.end()); }

// documentText() as UTF-8 (13.9 MB: a Japanese character takes three bytes instead of two).
const std::string& utf8DocumentText() {
  static const std::string text = [] {
    const std::string& cp932 = documentText();
    std::string out(cp932.size() * 2, '\0');
    const iconv_t cd = iconv_open("UTF-8", "CP932");
    char* in = const_cast<char*>(cp932.data());
    char* to = out.data();
    std::size_t inLeft = cp932.size(), outLeft = out.size();
    if (cd == reinterpret_cast<iconv_t>(-1) || iconv(cd, &in, &inLeft, &to, &outLeft) == static_cast<std::size_t>(-1))
      std::abort();
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
  }();
  return text;
}

// A fuzzy Find (the pattern compiled, then searched down from the start) for `fuzzy` over the UTF-8
// document ending in `lastLine`, which holds the only match; the baseline is bufKensak finding
// `exact`, the last line's own spelling of it or the same text folded, over the same bytes in the
// same iterations.
void fuzzyBench(benchmark::State& state, const char8_t* lastLine, const char8_t* fuzzy, const char8_t* exact,
                unsigned exactOptions) {
  const std::string text = utf8DocumentText() + utf8(lastLine);
  const std::string exactText = utf8(exact);
  const int n = static_cast<int>(text.size());
  // Where the match begins: the exact spelling's place in the last line, or the line's start.
  const std::size_t inLine = utf8(lastLine).find(exactText);
  const int expected = static_cast<int>(utf8DocumentText().size() + (inLine == std::string::npos ? 0 : inLine));
  double fuzzySeconds = 0;
  double exactSeconds = 0;
  for (auto _ : state) {
    const auto t0 = now();
    const auto found = kakipo::FuzzyPattern(utf8(fuzzy)).find(text, 0, n, true);
    const auto t1 = now();
    const auto baseline = kakipo::bufKensak(text.data(), n, 0, 0, exactText, exactOptions);
    const auto t2 = now();
    if (!found || found->start != expected || baseline != expected)
      state.SkipWithError("the match is not only in the last line");
    fuzzySeconds += t1 - t0;
    exactSeconds += t2 - t1;
    state.SetIterationTime(t1 - t0);
  }
  state.counters["exact_ms"] = exactSeconds / static_cast<double>(state.iterations()) * 1e3;
  // The fuzzy Find's time as a multiple of the exact engine's.
  state.counters["vs_exact"] = fuzzySeconds / exactSeconds;
}

using namespace kakipo;
BENCHMARK_CAPTURE(searchBench, MatchCaseDown, fr::down | fr::matchCase)->UseManualTime();
BENCHMARK_CAPTURE(searchBench, MatchCaseUp, fr::matchCase)->UseManualTime();
BENCHMARK_CAPTURE(searchBench, FoldedDown, fr::down)->UseManualTime();
BENCHMARK_CAPTURE(searchBench, FoldedUp, 0u)->UseManualTime();
BENCHMARK_CAPTURE(searchBench, WholeWordFoldedDown, fr::down | fr::wholeWord)->UseManualTime();
BENCHMARK_CAPTURE(searchBench, WholeWordFoldedUp, fr::wholeWord)->UseManualTime();
BENCHMARK_CAPTURE(searchBench, WholeWordMatchCaseDown, fr::down | fr::wholeWord | fr::matchCase)
    ->UseManualTime();
// Japanese with full-width digits and 〜 found as "3月～4月"; an ASCII word in another case; half-width
// kana found as katakana.
BENCHMARK_CAPTURE(fuzzyBench, FuzzyJapaneseDown, u8"会議は３月〜４月\r\n", u8"3月～4月", u8"３月〜４月",
                  fr::down | fr::matchCase)
    ->UseManualTime();
BENCHMARK_CAPTURE(fuzzyBench, FuzzyAsciiDown, u8"Kakipo7\r\n", u8"kAKIPO7", u8"kAKIPO7", fr::down)->UseManualTime();
BENCHMARK_CAPTURE(fuzzyBench, FuzzyKanaDown, u8"カキポ\r\n", u8"ｶｷﾎﾟ", u8"カキポ", fr::down | fr::matchCase)
    ->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
