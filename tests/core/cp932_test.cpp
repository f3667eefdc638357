#include "core/cp932.h"

#include <gtest/gtest.h>

namespace kakipo {
namespace {

TEST(CutAtCharBoundary, NeverLeavesALoneLeadByte) {
  EXPECT_EQ(cutAtCharBoundary("abc", 5), "abc");
  EXPECT_EQ(cutAtCharBoundary("abcdef", 3), "abc");
  EXPECT_EQ(cutAtCharBoundary("aあい", 2), "a");
  EXPECT_EQ(cutAtCharBoundary("aあい", 3), "aあ");
  EXPECT_EQ(cutAtCharBoundary("ｱｲｳ", 2), "ｱｲ") << "half-width katakana are single bytes";
  EXPECT_EQ(cutAtCharBoundary(std::string("ab\x82"), 5), "ab");
}

TEST(PathParts, NameAfterTheLastSeparatorExtensionFromItsLastDot) {
  struct Case {
    const char* path;
    const char* name;
    const char* extension;
  };
  for (const Case c : {Case{"C:\\Tools\\kakipo.exe", "kakipo.exe", ".exe"},
                       Case{"D:メモ帳\\表.txt", "表.txt", ".txt"},  // 表 = 95 5C
                       Case{"C:\\a.b\\表", "表", ""}, Case{"C:x.tar.kpo", "x.tar.kpo", ".kpo"},
                       Case{"C:/メモ/a.txt", "a.txt", ".txt"}, Case{"C:\\v1.2/readme", "readme", ""},
                       Case{"", "", ""}}) {
    const std::string path = c.path;
    const PathParts parts = pathParts(path);
    EXPECT_EQ(path.substr(parts.nameStart), c.name) << path;
    EXPECT_EQ(path.substr(parts.extensionStart), c.extension) << path;
  }
}

}  // namespace
}  // namespace kakipo
