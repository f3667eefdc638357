// The documents the Wine harness measures with, written once per run from fixed seeds: 10 MB of
// text with a search marker on its last line (and the same text as UTF-8), 10 MB of RTF, 1 KB of
// text, 10,000 lines, a text holding 100,000 occurrences for Replace All, 1 MB of text to convert,
// and one line of Japanese prose against 5 MB of ordinary lines, both UTF-8.
#pragma once
#include <windows.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "bench/corpus.h"

namespace kakipo::bench {

// Found only on the last line of big.txt: generation checks that the corpus text holds it in no
// letter case, so a case-folded Find Next scans the whole 10 MB.
inline const char* const findMarker = "Kakipo7";
inline const wchar_t* const findMarkerW = L"Kakipo7";
// replace.txt: every tenth occurrence is "#2", the rest "#1"; the corpus never uses "#" or "@".
inline constexpr int replaceOccurrences = 100000;
inline constexpr int replacePerLine = 50;

inline long long fileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

inline bool writeDocument(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(path.c_str(), std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// The same text in UTF-8: code page 932 to UTF-16 to UTF-8.
inline std::string asUtf8(const std::string& cp932) {
  const int units = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), wide.data(), units);
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, out.data(), bytes, nullptr, nullptr);
  return out;
}

inline std::string replaceDocument() {
  Corpus corpus(4711);
  std::string t;
  for (int n = 0; n < replaceOccurrences;) {
    t += corpus.line();
    for (int k = 0; k < replacePerLine; ++k, ++n) t += n % 10 == 9 ? " #2" : " #1";
    t += "\r\n";
  }
  return t;
}

// Characters of Japanese prose written without a line break: runs of kanji, hiragana and now and
// then katakana, with the punctuation between them, and no blanks, as a paragraph of a novel is.
inline constexpr int longLineCharacters = 100000;

inline std::wstring proseLine(int characters) {
  static const wchar_t kanji[] =
      L"\u543e\u8f29\u732b\u540d\u524d\u7121\u751f\u898b\u5f53\u65e5\u672c\u8a9e\u8868\u793a";
  static const wchar_t hiragana[] =
      L"\u3042\u3044\u3046\u306e\u306f\u3092\u304c\u3067\u3059\u308b\u305f\u306a\u3068";
  static const wchar_t katakana[] = L"\u30e1\u30e2\u30ab\u30ad\u30dd\u30c6\u30ad\u30b9\u30c8";
  std::mt19937 rng(2024);
  const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  std::wstring t;
  while (static_cast<int>(t.size()) < characters) {
    for (int i = 1 + pick(3); i > 0; --i) t += kanji[pick(static_cast<int>(std::size(kanji)) - 1)];
    for (int i = 1 + pick(4); i > 0; --i) t += hiragana[pick(static_cast<int>(std::size(hiragana)) - 1)];
    if (pick(6) == 0)
      for (int i = 2 + pick(4); i > 0; --i) t += katakana[pick(static_cast<int>(std::size(katakana)) - 1)];
    const int mark = pick(8);
    if (mark == 0) t += L'\u3002';
    if (mark == 1) t += L'\u3001';
  }
  t.resize(static_cast<std::size_t>(characters));
  return t;
}

inline std::string utf8Of(const std::wstring& wide) {
  const int units = static_cast<int>(wide.size());
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, out.data(), bytes, nullptr, nullptr);
  return out;
}

// Whole corpus lines in UTF-8 until the text holds at least `bytes` bytes.
inline std::string utf8Lines(Corpus& corpus, std::size_t bytes) {
  std::string t;
  while (t.size() < bytes) t += asUtf8(corpus.line() + "\r\n");
  return t;
}

inline int generateDocuments(const std::wstring& dir) {
  CreateDirectoryW(dir.c_str(), nullptr);
  Corpus big;  // the native search benchmark's seed: the same 10 MB
  Corpus rich(777), small(99), lines(4242), fiveMb(5005), convert(1234);
  std::string text = big.text(10'000'000);
  std::string folded = text;
  for (char& c : folded) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
  if (folded.find("KAKIPO7") != std::string::npos) return 1;
  const std::string bigText = text + findMarker + "\r\n";
  const bool ok = writeDocument(dir + L"\\big.txt", bigText) && writeDocument(dir + L"\\big-utf8.txt", asUtf8(bigText)) &&
                  writeDocument(dir + L"\\big.kpo", corpusRtf(rich, 10'000'000)) &&
                  writeDocument(dir + L"\\small.txt", small.text(1000)) &&
                  writeDocument(dir + L"\\lines.txt", lines.lines(10000)) &&
                  writeDocument(dir + L"\\replace.txt", replaceDocument()) &&
                  writeDocument(dir + L"\\long-line.txt", utf8Of(proseLine(longLineCharacters))) &&
                  writeDocument(dir + L"\\lines-5mb.txt", utf8Lines(fiveMb, 5'000'000)) &&
                  writeDocument(dir + L"\\convert.txt", convert.text(1'000'000));
  return ok ? 0 : 1;
}

}  // namespace kakipo::bench
