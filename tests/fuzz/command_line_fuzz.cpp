// The command-line joiner on any bytes: the pieces hold no quote and, outside quotes, no blank;
// the start-up name is the pieces after the program joined by one blank and trimmed, and never
// begins or ends with a blank or control byte.
#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "fuzz_input.h"

namespace {
bool separator(unsigned char c) { return c <= ' '; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const auto args = kakipo::splitCommandLine(line);
  std::size_t kept = 0;
  for (const auto& a : args) {
    FUZZ_CHECK(a.find('"') == std::string::npos);
    kept += a.size();
  }
  // Every byte is a piece's, a quote or a separator.
  std::size_t quotes = 0, separators = 0;
  for (unsigned char c : line) {
    quotes += c == '"';
    separators += separator(c);
  }
  FUZZ_CHECK(kept + quotes <= size && kept + quotes + separators >= size);

  const std::string name = kakipo::startupFileName(line);
  if (!name.empty()) {
    FUZZ_CHECK(!separator(static_cast<unsigned char>(name.front())));
    FUZZ_CHECK(!separator(static_cast<unsigned char>(name.back())));
  }
  std::string joined;
  for (std::size_t k = 1; k < args.size(); ++k) joined += (k > 1 ? " " : "") + args[k];
  // The name is the joined text with its ends trimmed.
  FUZZ_CHECK(joined.find(name) != std::string::npos);
  if (args.size() <= 1) FUZZ_CHECK(name.empty());
  // Joining again changes nothing: the program path plus the name gives the name back, unless
  // the name holds a quote-sensitive separator run that splitting would fold.
  const std::string again = kakipo::startupFileName("kakipo.exe " + name);
  bool plain = true;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (separator(static_cast<unsigned char>(name[i])) && (name[i] != ' ' || (i + 1 < name.size() && name[i + 1] == ' ')))
      plain = false;
  if (plain) FUZZ_CHECK(again == name);
  return 0;
}
