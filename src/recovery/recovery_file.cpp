#include "recovery/recovery_file.h"

#include <cstdio>

#include "core/cp932.h"
#include "core/crc32.h"
#include "core/errors.h"
#include "core/text_codec.h"
#include "core/utf.h"
#include "recovery/recovery_texts.h"

namespace kakipo {

// The header is ASCII lines, strings carrying their length so that any byte may stand in them:
//   KAKIPO-RECOVERY 2 / mode text|rtf / resume 0|1 / encoding <n> <bytes> / caret <n> /
//   name <n> <bytes> / length <n> / crc32 <8 hex digits>
// and the content follows the last line to the end of the file. The checksum covers every byte
// before its own line and the content, so a changed name is caught as surely as changed text.
// Version 1, written before the program's text was UTF-8, held the name in Shift_JIS and the caret
// in Shift_JIS bytes of the text (one for each UTF-16 unit Shift_JIS could not hold); it is still
// read (it had no resume line), so a text left behind by an earlier version is offered all the same.
namespace {

constexpr std::string_view magic = "KAKIPO-RECOVERY 2\n";
constexpr std::string_view magicVersion1 = "KAKIPO-RECOVERY 1\n";

// A version-1 caret as an offset into the plain text.
int caretOfVersion1(std::string_view text, int caret) {
  int bytes = 0;
  std::size_t i = 0;
  while (i < text.size() && bytes < caret) {
    const utf::Decoded d = utf::decode(text, i);
    const int width = cp932Code(d.c).length;
    bytes += width ? width : d.c >= 0x10000 ? 2 : 1;
    i += d.length;
  }
  return static_cast<int>(i);
}

[[noreturn]] void broken() { throw Error(texts::recoveryFileBroken); }

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool accept(std::string_view s) {
    if (bytes_.substr(pos_, s.size()) != s) return false;
    pos_ += s.size();
    return true;
  }
  void expect(std::string_view s) {
    if (!accept(s)) broken();
  }
  // Decimal digits up to `end`, no sign, no more than an int holds.
  int number(char end) {
    long long n = 0;
    std::size_t digits = 0;
    for (; pos_ < bytes_.size() && bytes_[pos_] != end; ++pos_, ++digits) {
      const char c = bytes_[pos_];
      if (c < '0' || c > '9' || digits == 10) broken();
      n = n * 10 + (c - '0');
    }
    if (digits == 0 || n > 0x7FFFFFFF) broken();
    expect(std::string_view(&end, 1));
    return static_cast<int>(n);
  }
  std::string_view take(std::size_t n) {
    if (n > bytes_.size() - pos_) broken();
    const auto s = bytes_.substr(pos_, n);
    pos_ += n;
    return s;
  }
  std::string text(std::string_view key) {
    expect(key);
    expect(" ");
    const auto s = take(number(' '));
    expect("\n");
    return std::string(s);
  }
  std::size_t pos() const { return pos_; }
  std::string_view rest() const { return bytes_.substr(pos_); }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

void appendText(std::string& out, std::string_view key, const std::string& value) {
  out.append(key).append(" ").append(std::to_string(value.size())).append(" ").append(value).append("\n");
}

std::string hex8(std::uint32_t v) {
  char buf[9];
  std::snprintf(buf, sizeof buf, "%08x", static_cast<unsigned>(v));
  return buf;
}

}  // namespace

std::string encodeRecoveryFile(const RecoverySnapshot& s) {
  std::string head(magic);
  head.append(s.plainText ? "mode text\n" : "mode rtf\n");
  head.append(s.resume ? "resume 1\n" : "resume 0\n");
  appendText(head, "encoding", s.encoding);
  head.append("caret ").append(std::to_string(s.caret > 0 ? s.caret : 0)).append("\n");
  appendText(head, "name", s.fileName);
  head.append("length ").append(std::to_string(s.content.size())).append("\n");
  const std::string sum = "crc32 " + hex8(crc32(s.content, crc32(head))) + "\n";
  std::string out;
  out.reserve(head.size() + sum.size() + s.content.size());
  return out.append(head).append(sum).append(s.content);
}

RecoverySnapshot parseRecoveryFile(std::string_view bytes) {
  Reader r(bytes);
  RecoverySnapshot s;
  const bool version1 = r.accept(magicVersion1);
  if (!version1) r.expect(magic);
  r.expect("mode ");
  if (r.accept("text\n")) {
    s.plainText = true;
  } else {
    r.expect("rtf\n");
    s.plainText = false;
  }
  if (!version1) {
    r.expect("resume ");
    if (r.accept("1\n")) {
      s.resume = true;
    } else {
      r.expect("0\n");
    }
  }
  s.encoding = r.text("encoding");
  r.expect("caret ");
  s.caret = r.number('\n');
  s.fileName = r.text("name");
  r.expect("length ");
  const std::size_t length = r.number('\n');
  const std::string_view head = bytes.substr(0, r.pos());
  r.expect("crc32 ");
  const std::string_view sum = r.take(8);
  r.expect("\n");
  const std::string_view content = r.rest();
  if (content.size() != length || sum != hex8(crc32(content, crc32(head)))) broken();
  s.content = std::string(content);
  if (version1) {
    s.fileName = decodeText(s.fileName, TextEncoding::ShiftJis);
    s.caret = s.plainText ? caretOfVersion1(s.content, s.caret) : 0;
  }
  return s;
}

}  // namespace kakipo
