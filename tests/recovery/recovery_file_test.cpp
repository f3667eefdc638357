#include "recovery/recovery_file.h"

#include <gtest/gtest.h>

#include <cstdio>

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

// A text left behind by an earlier version, whose name was Shift_JIS and whose caret counted
// Shift_JIS bytes (one for each UTF-16 unit it could not hold), is still offered.
TEST(RecoveryFileTest, AVersionOneFileReadsWithItsNameAndCaretInTodaysTerms) {
  std::string v1 = encodeRecoveryFile({"\U0001F600a\u8868b", "C:\\\x95\x5C.txt", true, "Shift_JIS", 5});
  v1.replace(0, 17, "KAKIPO-RECOVERY 1");
  v1.erase(v1.find("resume 0\n"), 9);
  const std::string head = v1.substr(0, v1.find("crc32 "));
  const std::string content = v1.substr(v1.find('\n', v1.find("crc32 ")) + 1);
  char sum[9];
  std::snprintf(sum, sizeof sum, "%08x", static_cast<unsigned>(crc32(content, crc32(head))));
  v1 = head + "crc32 " + sum + "\n" + content;
  EXPECT_EQ(parseRecoveryFile(v1), (RecoverySnapshot{"\U0001F600a\u8868b", "C:\\\u8868.txt", true, "Shift_JIS", 8}));
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
  nextVersion.replace(nextVersion.find(" 2\n"), 3, " 3\n");

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
