// The user name line and the title text.
#include "settings/user_name.h"

#include <gtest/gtest.h>

#include <utility>

#include "test_paths.h"

namespace kairotex {
namespace {

TEST(UserName, FirstLineWithoutItsLineEnd) {
  const std::string dir = test::MakeTempDir("myname");
  const std::pair<const char*, const char*> cases[] = {{"Jane Doe\r\nsecond line\r\n", "Jane Doe"},
                                                       {"Jane Doe\n", "Jane Doe"},
                                                       {"No line end", "No line end"},
                                                       {"", ""},
                                                       {"\r\nJane", ""}};
  for (const auto& [content, name] : cases) {
    test::WriteText(dir + "/MYNAME", content);
    EXPECT_EQ(ReadUserName(dir + "/MYNAME"), name) << content;
  }
  EXPECT_EQ(ReadUserName(dir + "/NOSUCHFILE"), "");
  EXPECT_EQ(ReadUserName(dir), "");  // a folder, not a file
}

TEST(UserName, TitleTextByZodiacOption) {
  const std::pair<float, const char*> cases[] = {
      {0, "Jane KAIROTEX (Tropical zodiac) - "},
      {1, "Jane KAIROTEX (Sidereal zodiac - SVP) - "},
      {2, "Jane KAIROTEX (Sidereal zodiac - Ayanamsa) - "},
      {3, "Jane KAIROTEX "},
      {0.5f, "Jane KAIROTEX "},
      {-1, "Jane KAIROTEX "}};
  for (const auto& [option123, title] : cases) {
    EXPECT_EQ(BuildTitleText("Jane", option123), title) << option123;
  }
  EXPECT_EQ(BuildTitleText("", 0), " KAIROTEX (Tropical zodiac) - ");
}

}  // namespace
}  // namespace kairotex
