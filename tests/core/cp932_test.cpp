#include "core/cp932.h"

#include <gtest/gtest.h>

#include "core/file_path.h"
#include "core/text_codec.h"

namespace kakipo {
namespace {

// A limit stated in Shift_JIS bytes cuts between characters, whatever they are.
TEST(CutToCp932Length, NeverSplitsACharacter) {
  EXPECT_EQ(cutToCp932Length("abc", 5), "abc");
  EXPECT_EQ(cutToCp932Length("abcdef", 3), "abc");
  EXPECT_EQ(cutToCp932Length("aあい", 2), "a");
  EXPECT_EQ(cutToCp932Length("aあい", 3), "aあ");
  EXPECT_EQ(cutToCp932Length("ｱｲｳ", 2), "ｱｲ") << "half-width katakana are single bytes";
  EXPECT_EQ(cutToCp932Length("a\U0001F600b", 2), "a\U0001F600") << "a character Shift_JIS cannot hold counts its one ?";
}

TEST(PathParts, NameAfterTheLastSeparatorExtensionFromItsLastDot) {
  struct Case {
    const char* path;
    const char* name;
    const char* extension;
  };
  for (const Case c : {Case{"C:\\Tools\\kakipo.exe", "kakipo.exe", ".exe"},
                       Case{"D:メモ帳\\表.txt", "表.txt", ".txt"},
                       Case{"C:\\a.b\\표", "표", ""}, Case{"C:x.tar.kpo", "x.tar.kpo", ".kpo"},
                       Case{"C:/résumé 한글/a.txt", "a.txt", ".txt"}, Case{"C:\\v1.2/readme", "readme", ""},
                       Case{"", "", ""}}) {
    const std::string path = c.path;
    const PathParts parts = pathParts(path);
    EXPECT_EQ(path.substr(parts.nameStart), c.name) << path;
    EXPECT_EQ(path.substr(parts.extensionStart), c.extension) << path;
  }
}

}  // namespace
}  // namespace kakipo
