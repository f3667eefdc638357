// The settings file's integer reader against a second reading of the same rules, and every
// 32-bit value written either way read back as itself.
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/settings.h"
#include "fuzz_input.h"

namespace {

// Signed decimal within int, or "0x", "0X" or "$" and at most 32 bits of hexadecimal, each
// after an optional sign; nothing else.
std::optional<int> reference(const std::string& t) {
  std::size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  int base = 10;
  if (t.compare(i, 1, "$") == 0) {
    base = 16;
    i += 1;
  } else if (t.compare(i, 2, "0x") == 0 || t.compare(i, 2, "0X") == 0) {
    base = 16;
    i += 2;
  }
  std::string digits = t.substr(i);
  if (digits.empty()) return std::nullopt;
  for (char c : digits) {
    const bool dec = c >= '0' && c <= '9';
    const bool hex = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    if (!dec && !(base == 16 && hex)) return std::nullopt;
  }
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
  if (digits.size() > (base == 16 ? 8u : 10u)) return std::nullopt;
  const unsigned long long v = std::stoull(digits, nullptr, base);
  if (base == 16) {
    const auto bits = static_cast<std::uint32_t>(v);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
  }
  if (v > (negative ? 2147483648ull : 2147483647ull)) return std::nullopt;
  return static_cast<int>(negative ? -static_cast<long long>(v) : static_cast<long long>(v));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  FUZZ_CHECK(kakipo::parseSettingsInt(text) == reference(text));

  kakipo::fuzz::Input in(data, size);
  const std::uint32_t bits = in.u32();
  const auto value = static_cast<std::int32_t>(bits);
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%X", bits);
  FUZZ_CHECK(kakipo::parseSettingsInt(std::to_string(value)) == value);
  FUZZ_CHECK(kakipo::parseSettingsInt(hex) == value);
  return 0;
}
