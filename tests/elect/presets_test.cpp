// The presets file: the delivered presets read whole and round-trip; a bad
// line refuses its preset, named by file and line, and keeps the others.
#include <gtest/gtest.h>

#include "election_fixture.h"

namespace kairotex {
namespace {

TEST(Presets, TheDeliveredFileHoldsTheFiveUndertakings) {
  const PresetFile file = LoadPresets(test::DataDir() + "/" + kElectionPresetsFile);
  EXPECT_TRUE(file.errors.empty()) << file.errors.front();
  for (const char* name : {"marriage", "contract", "journey", "business", "purchase"}) {
    const ElectionPreset* preset = FindPreset(file, name);
    ASSERT_NE(preset, nullptr) << name;
    EXPECT_FALSE(preset->title.empty());
    EXPECT_FALSE(preset->sources.empty());
    ElectionSearch search;
    search.conditions = preset->conditions;
    EXPECT_EQ(CheckElectionSearch(search), "") << name;
    const PresetFile again = ParsePresets(PresetText(*preset), "copy");
    ASSERT_EQ(again.presets.size(), 1u) << PresetText(*preset);
    EXPECT_EQ(PresetText(again.presets[0]), PresetText(*preset));
  }
  const ElectionPreset* marriage = FindPreset(file, "marriage");
  bool venus = false;
  for (const ConditionSetting& c : marriage->conditions) {
    venus |= c.kind == ConditionKind::kSignificatorDirect && c.parameter.set == 1u << kVenus;
  }
  EXPECT_TRUE(venus);
}

TEST(Presets, ABadLineRefusesItsPresetByNumber) {
  const std::string text =
      "# my presets\n"
      "preset good\n"
      "require moon-not-voc\n"
      "prefer moon-waxing 2   # light\n"
      "\n"
      "preset bad\n"
      "require moon-not-voc\n"
      "prefer moon-waxing\n"     // line 8: no weight
      "require moon-is-happy\n"  // line 9: reported too, the preset already refused
      "preset also-good\n"
      "source Sahl\n"
      "require moon-not-via-combusta=19lib-3sco\n"
      "preset worse\n"
      "colour blue\n";  // line 14
  const PresetFile file = ParsePresets(text, "/tmp/MY.PRE");
  ASSERT_EQ(file.presets.size(), 2u);
  EXPECT_EQ(file.presets[0].name, "good");
  EXPECT_EQ(file.presets[1].name, "also-good");
  EXPECT_EQ(file.presets[0].conditions[1].weight, 2);
  ASSERT_EQ(file.errors.size(), 3u);
  EXPECT_EQ(file.errors[0],
            "/tmp/MY.PRE, line 8: prefer needs a condition and a weight above 0 and up to 1000; "
            "preset bad refused");
  EXPECT_EQ(file.errors[1].rfind("/tmp/MY.PRE, line 9: there is no condition \"moon-is-happy\"", 0),
            0u);
  EXPECT_EQ(file.errors[2],
            "/tmp/MY.PRE, line 14: unknown keyword \"colour\"; preset worse refused");
}

TEST(Presets, MoreRefusals) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"require moon-not-voc\n", "f, line 1: the first line must begin a preset (preset NAME)"},
      {"preset Big Name\nrequire moon-waxing\n",
       "f, line 1: a preset name is one word of a-z, 0-9, - and _; preset Big Name refused"},
      {"preset a\nrequire moon-waxing 3\n",
       "f, line 2: a required condition takes no weight; preset a refused"},
      {"preset a\nprefer moon-waxing -1\n",
       "f, line 2: prefer needs a condition and a weight above 0 and up to 1000; preset a refused"},
      {"preset a\nrequire moon-waxing\npreset a\nrequire moon-waxing\n",
       "f, line 3: preset a is named twice; preset a refused"},
      {"preset a\ntitle nothing\n", "f: preset a names no condition"},
  };
  for (const auto& c : cases) {
    const PresetFile file = ParsePresets(c.text, "f");
    ASSERT_FALSE(file.errors.empty()) << c.text;
    EXPECT_EQ(file.errors.back(), c.error);
  }
  const PresetFile missing = LoadPresets("/nonexistent/ELECTION.PRE");
  ASSERT_EQ(missing.errors.size(), 1u);
  EXPECT_EQ(missing.errors[0], "/nonexistent/ELECTION.PRE: the presets file cannot be read");
}

}  // namespace
}  // namespace kairotex
