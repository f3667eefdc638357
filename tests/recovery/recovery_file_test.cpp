#include "recovery/recovery_file.h"

#include <gtest/gtest.h>

#include "core/crc32.h"
#include "core/errors.h"

namespace kakipo {
namespace {

const RecoverySnapshot plain{"first line\r\n\xF0\x9F\x98\x80 (UTF-8)", "C:\\memo\\表示.txt", true, "Shift_JIS", 17};
const RecoverySnapshot rich{"{\\rtf1\\ansi {\\b bold}\\par }", "", false, "", 3};

TEST(RecoveryFileTest, WhatIsWrittenReadsBackAsItWas) {
  EXPECT_EQ(parseRecoveryFile(encodeRecoveryFile(plain)), plain);
  EXPECT_EQ(parseRecoveryFile(encodeRecoveryFile(rich)), rich);
  // Files written by one build are read by the next: the checksum is the standard CRC-32. A file
  // hashed piece by piece as it is read sums to the hash of the same bytes in memory.
  EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
  EXPECT_EQ(crc32("6789", crc32("12345")), crc32("123456789"));
}

TEST(RecoveryFileTest, AnythingButAWholeFileIsRejected) {
  const std::string good = encodeRecoveryFile(plain);
  const auto changed = [&](std::size_t at) {
    std::string s = good;
    s[at] ^= 0x01;
    return s;
  };
  std::string foreignLength = good;
  foreignLength.replace(foreignLength.find("length ") + 7, 1, "x");
  std::string nextVersion = good;
  nextVersion.replace(nextVersion.find(" 1\n"), 3, " 2\n");

  for (const std::string& bytes : {std::string(), good.substr(0, good.size() - 1), good + "x",
                                   good.substr(0, good.find("crc32")),  // the write stopped at the header
                                   changed(good.size() - 1),            // a byte of the content
                                   changed(good.find("表")),            // a byte of the name
                                   changed(good.find("crc32") + 6),     // the checksum itself
                                   foreignLength, nextVersion, std::string("{\\rtf1 not ours}")}) {
    EXPECT_THROW(parseRecoveryFile(bytes), Error) << bytes.substr(0, 40);
  }
}

}  // namespace
}  // namespace kakipo
