// The user name line and the title text.
#include "settings/user_name.h"

#include <gtest/gtest.h>

#include <fstream>

#include "test_paths.h"

namespace kairotex {
namespace {

TEST(UserName, FirstLineWithoutItsLineEnd) {
  struct Case {
    const char* content;
    const char* name;
  };
  const Case cases[] = {
      {"Jane Doe\r\nsecond line\r\n", "Jane Doe"},
      {"Jane Doe\n", "Jane Doe"},
      {"No line end", "No line end"},
      {"", ""},
      {"\r\nJane", ""},
  };
  const std::string dir = test::MakeTempDir("myname");
  for (const Case& c : cases) {
    std::ofstream(dir + "/MYNAME", std::ios::binary | std::ios::trunc) << c.content;
    EXPECT_EQ(ReadUserName(dir + "/MYNAME"), c.name) << c.content;
  }
  EXPECT_EQ(ReadUserName(dir + "/NOSUCHFILE"), "");
  EXPECT_EQ(ReadUserName(dir), "");  // a folder, not a file
}

TEST(UserName, TitleTextByZodiacOption) {
  struct Case {
    float option123;
    const char* title;
  };
  const Case cases[] = {
      {0, "Jane KAIROTEX (Tropical zodiac) - "},
      {1, "Jane KAIROTEX (Sidereal zodiac - SVP) - "},
      {2, "Jane KAIROTEX (Sidereal zodiac - Ayanamsa) - "},
      {3, "Jane KAIROTEX "},
      {0.5f, "Jane KAIROTEX "},
      {-1, "Jane KAIROTEX "},
  };
  for (const Case& c : cases) EXPECT_EQ(BuildTitleText("Jane", c.option123), c.title);
  EXPECT_EQ(BuildTitleText("", 0), " KAIROTEX (Tropical zodiac) - ");
}

}  // namespace
}  // namespace kairotex
