// The user's data folder, filled from the delivered files on first start and
// never overwritten.
#include "settings/data_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "test_paths.h"

namespace kairotex {
namespace {
namespace fs = std::filesystem;

class DataFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    root = test::MakeTempDir("data-folders");
    delivered = root + "/share/kairotex";
    user = root + "/home/.local/share/kairotex";
    fs::create_directories(delivered);
    test::WriteText(delivered + "/OPTIONS.OPT", "delivered options\r\n");
    test::WriteText(delivered + "/NATAL.ORB", "delivered orbs\r\n");
    fs::create_directories(delivered + "/a-folder");  // not a delivered file
  }
  void TearDown() override { fs::remove_all(root); }
  std::string root, delivered, user;
};

TEST_F(DataFolders, FirstStartCopiesEveryDeliveredFile) {
  std::string error;
  ASSERT_TRUE(CopyMissingDeliveredFiles(delivered, user, &error)) << error;
  EXPECT_EQ(test::ReadText(user + "/OPTIONS.OPT"), "delivered options\r\n");
  EXPECT_EQ(test::ReadText(user + "/NATAL.ORB"), "delivered orbs\r\n");
  EXPECT_FALSE(fs::exists(user + "/a-folder"));
  EXPECT_FALSE(fs::exists(user + "/OPTIONS.OPT.new"));
}

// A user's file is never overwritten; a later start with a new delivered
// file adds only that one.
TEST_F(DataFolders, AUsersFileIsNeverOverwritten) {
  fs::create_directories(user);
  test::WriteText(user + "/OPTIONS.OPT", "my edited options\r\n");
  std::string error;
  ASSERT_TRUE(CopyMissingDeliveredFiles(delivered, user, &error)) << error;
  EXPECT_EQ(test::ReadText(user + "/OPTIONS.OPT"), "my edited options\r\n");
  EXPECT_EQ(test::ReadText(user + "/NATAL.ORB"), "delivered orbs\r\n");
  test::WriteText(delivered + "/HINTS.HLP", "hints\r\n");
  test::WriteText(delivered + "/NATAL.ORB", "new delivered orbs\r\n");
  ASSERT_TRUE(CopyMissingDeliveredFiles(delivered, user, &error)) << error;
  EXPECT_EQ(test::ReadText(user + "/HINTS.HLP"), "hints\r\n");
  EXPECT_EQ(test::ReadText(user + "/NATAL.ORB"), "delivered orbs\r\n");
}

TEST_F(DataFolders, AMissingDeliveredFolderIsSaid) {
  std::string error;
  EXPECT_FALSE(CopyMissingDeliveredFiles(root + "/nowhere", user, &error));
  EXPECT_NE(error.find(root + "/nowhere"), std::string::npos) << error;
}

TEST_F(DataFolders, UserFolderFollowsXdgDataHomeThenHome) {
  const char* saved_xdg = std::getenv("XDG_DATA_HOME");
  const char* saved_home = std::getenv("HOME");
  const std::string xdg = saved_xdg ? saved_xdg : "", home = saved_home ? saved_home : "";
  setenv("XDG_DATA_HOME", (root + "/xdg").c_str(), 1);
  EXPECT_EQ(UserDataDir(), root + "/xdg/kairotex");
  unsetenv("XDG_DATA_HOME");
  setenv("HOME", (root + "/home").c_str(), 1);
  EXPECT_EQ(UserDataDir(), user);
  setenv("XDG_DATA_HOME", "relative/ignored", 1);
  EXPECT_EQ(UserDataDir(), user);
  // A folder given on the command line is used as it is.
  EXPECT_EQ(ResolveProgramDir("/given/folder", nullptr), "/given/folder");
  if (saved_xdg)
    setenv("XDG_DATA_HOME", xdg.c_str(), 1);
  else
    unsetenv("XDG_DATA_HOME");
  if (saved_home)
    setenv("HOME", home.c_str(), 1);
  else
    unsetenv("HOME");
}

}  // namespace
}  // namespace kairotex
