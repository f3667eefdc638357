#include "core/crc32.h"

#include <gtest/gtest.h>

namespace kakipo {
namespace {

// Recovery files written by one build are read by the next, so the sum is the standard CRC-32;
// a file hashed piece by piece as it is read must sum to the hash of the bytes in memory.
TEST(Crc32, IsTheStandardSumAndContinuesAcrossPieces) {
  EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
  EXPECT_EQ(crc32("6789", crc32("12345")), crc32("123456789"));
}

}  // namespace
}  // namespace kakipo
