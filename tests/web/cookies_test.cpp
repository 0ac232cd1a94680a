// merge_cookies as a table of cases: both arguments and the result.
#include <gtest/gtest.h>

#include <string>

#include "web/cookies.h"

namespace {

struct MergeCase {
  const char* name;
  std::string old_before, new_before, old_after, new_after;
};

TEST(MergeCookies, Table) {
  const MergeCase cases[] = {
      // The reference cases.
      {"new replaces old of the same name", "a=1; b=2", "b=3; c=4", "b=3; c=4; a=1", "b=3;c=4"},
      {"a deletion removes the name", "a=1", "a=deleted", "", "a=deleted"},
      {"names compare with letter case", "A=1", "a=2", "a=2; A=1", "a=2"},
      {"of two old items with one name the first survives", "a=1; a=2", "", "a=1", ""},
      {"exact duplicates go", "", "x=1; x=1", "x=1", "x=1;x=1"},
      {"blanks removed inside values", "v=a b", "", "v=ab", ""},
      // More edges.
      {"both empty", "", "", "", ""},
      {"old only", "a=1;b=2", "", "a=1; b=2", ""},
      {"full-width blanks removed", "a=1;\xA1\xA1" "b=2", "", "a=1; b=2", ""},
      {"item without = is a name alone", "flag; a=1", "flag=2", "flag=2; a=1", "flag=2"},
      {"empty piece between separators kept", "a=1;;b=2", "", "a=1; ; b=2", ""},
      {"deleted old item goes too", "a=deleted; b=1", "", "b=1", ""},
      {"=deleted only at the end", "a=deleted1", "", "a=deleted1", ""},
      {"new deletion of an unknown name", "b=1", "z=deleted", "b=1", "z=deleted"},
      {"duplicates among new and old", "a=1", "a=1; a=1", "a=1", "a=1;a=1"},
      {"trailing separator", "a=1;", "b=2;", "b=2; a=1", "b=2;"},
      {"double-byte values", "名=张三", "名=李四", "名=李四", "名=李四"},
  };
  for (const MergeCase& c : cases) {
    std::string old_cookies = c.old_before, new_cookies = c.new_before;
    std::string result = web::merge_cookies(old_cookies, new_cookies);
    EXPECT_EQ(result, c.old_after) << c.name;
    EXPECT_EQ(old_cookies, c.old_after) << c.name;
    EXPECT_EQ(new_cookies, c.new_after) << c.name;
  }
}

}  // namespace
