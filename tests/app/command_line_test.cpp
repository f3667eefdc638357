#include "app/command_line.h"

#include <gtest/gtest.h>

namespace kakipo {
namespace {

struct Case {
  const char* commandLine;
  const char* fileName;
};

class StartupFileName : public ::testing::TestWithParam<Case> {};

TEST_P(StartupFileName, JoinsArgumentsAfterTheProgramPath) {
  EXPECT_EQ(startupFileName(GetParam().commandLine), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, StartupFileName,
    ::testing::Values(
        Case{"kakipo.exe", ""}, Case{"\"C:\\Program Files\\kakipo.exe\"   ", ""},
        // Explorer passes an unquoted path with a blank as two arguments.
        Case{"kakipo.exe C:\\My Notes\\a.txt", "C:\\My Notes\\a.txt"},
        Case{"kakipo.exe C:\\My  Notes\\a.txt", "C:\\My Notes\\a.txt"},
        Case{"kakipo.exe \"C:\\My  Notes\\a.txt\"", "C:\\My  Notes\\a.txt"},
        Case{"kakipo.exe a.txt b.txt", "a.txt b.txt"},
        Case{"kakipo.exe\t\x01 a.txt \t", "a.txt"},
        Case{"\"C:\\a b\\kakipo.exe\" x\"y z\"w", "xy zw"},
        // 表 ends in the byte 0x5C, and ソ in 0x5C too: neither is a separator.
        Case{"kakipo.exe C:\\表\\ソ.txt", "C:\\表\\ソ.txt"},
        Case{"kakipo.exe \"  padded  \"", "padded"}));

TEST(SplitCommandLine, QuotesGroupAndAreDropped) {
  const auto args = splitCommandLine("prog \"a b\" c\"d e\"f  \"\"");
  ASSERT_EQ(args.size(), 4u);
  EXPECT_EQ(args[1], "a b");
  EXPECT_EQ(args[2], "cd ef");
  EXPECT_EQ(args[3], "");
}

}  // namespace
}  // namespace kakipo
