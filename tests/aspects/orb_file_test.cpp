// Reading orb files: where reading stops, how a line reads, and bad files.
#include "aspects/orb_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "test_messages.h"
#include "test_paths.h"

namespace kairotex {
namespace {

OrbTable Filled(float value) {
  OrbTable orbs;
  orbs.fill(value);
  return orbs;
}

std::string WriteOrbFile(const std::string& text) {
  const std::string path = test::MakeTempDir("orbs") + "/TEST.ORB";
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(OrbFile, DeliveredNatalOrbFillsAllSeventeen) {
  OrbTable orbs = Filled(-1);
  test::RecordingMessages messages;
  ASSERT_TRUE(ReadOrbFile(test::DataDir() + "/NATAL.ORB", orbs, messages));
  for (int n = 1; n <= kOrbCount; ++n) EXPECT_GE(orbs[n], 0.0f) << "line " << n;
  EXPECT_EQ(orbs[1], 8.0f);
  EXPECT_TRUE(messages.texts.empty());
}

TEST(OrbFile, ReadsUpToTheFirstEmptyLineAndKeepsTheRest) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<float> read;  // orbs 1, 2, ... as read; later entries keep 99
  };
  std::string nineteen;
  for (int n = 1; n <= 19; ++n) nineteen += std::to_string(n) + "\r\n";
  const Case cases[] = {
      {"third line empty", "8\r\n5\r\n\r\n7\r\n7\r\n", {8, 5}},
      {"unix line ends", "8\n5\n\n7\n", {8, 5}},
      {"number then label", "8.0  label\r\n 0 off\r\n  1.5\tsextile\r\n.5\r\n", {8, 0, 1.5f, 0.5f}},
      {"no line end at the end", "3\r\n4", {3, 4}},
      {"empty first line", "\r\n6\r\n", {}},
      {"empty file", "", {}},
      {"more than seventeen lines",
       nineteen,
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
  };
  for (const Case& c : cases) {
    OrbTable orbs = Filled(99);
    test::RecordingMessages messages;
    EXPECT_TRUE(ReadOrbFile(WriteOrbFile(c.text), orbs, messages)) << c.name;
    OrbTable expected = Filled(99);
    for (std::size_t i = 0; i < c.read.size(); ++i) expected[i + 1] = c.read[i];
    EXPECT_EQ(orbs, expected) << c.name;
    EXPECT_TRUE(messages.texts.empty()) << c.name;
  }
}

TEST(OrbFile, MissingOrUnreadableFileWarnsAndKeepsTheTable) {
  const std::string dir = test::MakeTempDir("orbs-bad");
  const std::string label_first = WriteOrbFile("8\r\nlabel 8\r\n3\r\n");
  const std::string negative = WriteOrbFile("8\r\n6\r\n-2     semisextile\r\n");
  const std::string too_wide = WriteOrbFile("400\r\n");
  const std::string binary = WriteOrbFile("8\r\n\x01\xff" + std::string(100, 'x') + "\r\n");
  const struct {
    std::string path, message;
  } cases[] = {
      {dir + "/NOSUCH.ORB", "Orb file not found: " + dir + "/NOSUCH.ORB"},
      {dir, "Orb file could not be read: " + dir + " is a folder, not a file"},
      {"", "No orb file is chosen"},
      // A field without a number is named, not read as an orb of 0.
      {label_first, "Line 2 of " + label_first + " is not a number: \"label 8\""},
      // A negative orb would empty the list, one above 180 make every pair an aspect.
      {negative, "Line 3 of " + negative + ": the orb -2 is outside 0 to 180"},
      {too_wide, "Line 1 of " + too_wide + ": the orb 400 is outside 0 to 180"},
      // Unprintable bytes are escaped and a long line cut short.
      {binary,
       "Line 2 of " + binary + " is not a number: \"\\x01\\xFF" + std::string(38, 'x') + "...\""},
  };
  for (const auto& c : cases) {
    OrbTable orbs = Filled(4);
    test::RecordingMessages messages;
    EXPECT_FALSE(ReadOrbFile(c.path, orbs, messages)) << c.path;
    EXPECT_EQ(orbs, Filled(4)) << c.path;
    ASSERT_EQ(messages.texts.size(), 1u) << c.path;
    EXPECT_EQ(messages.texts[0], c.message + ". The orbs stay as they were.");
    EXPECT_EQ(messages.titles[0], "Warning!");
  }
}

}  // namespace
}  // namespace kairotex
