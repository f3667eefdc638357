#include "support/cp932_decode.h"

#include <iconv.h>

namespace kakipo::test {

char16_t decodeCp932Character(std::string_view bytes) {
  // Windows gives these single bytes characters of their own; glibc has none.
  if (bytes.size() == 1) {
    switch (static_cast<unsigned char>(bytes[0])) {
      case 0x80: return 0x0080;
      case 0xA0: return 0xF8F0;
      case 0xFD: return 0xF8F1;
      case 0xFE: return 0xF8F2;
      case 0xFF: return 0xF8F3;
      default: break;
    }
  }
  static const iconv_t cd = iconv_open("UTF-16LE", "CP932");
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char in[2];
  bytes.copy(in, bytes.size());
  char out[8];
  char* ip = in;
  char* op = out;
  std::size_t il = bytes.size(), ol = sizeof out;
  if (iconv(cd, &ip, &il, &op, &ol) == static_cast<std::size_t>(-1) || il != 0 || sizeof out - ol != 2)
    return noCp932Character;
  return static_cast<char16_t>(static_cast<unsigned char>(out[0]) | (static_cast<unsigned char>(out[1]) << 8));
}

}  // namespace kakipo::test
