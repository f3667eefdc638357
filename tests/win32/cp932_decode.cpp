#include "support/cp932_decode.h"

#include <windows.h>

namespace kakipo::test {

char16_t decodeCp932Character(std::string_view bytes) {
  wchar_t out[2] = {};
  const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), out, 2);
  return n == 1 ? static_cast<char16_t>(out[0]) : noCp932Character;
}

}  // namespace kakipo::test
