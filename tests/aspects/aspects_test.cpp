// Aspect and parallel rules at their edges, the aspect list, the Magi aspects,
// orb files. (Whole lists and reports: the command-line tests' golden files.)
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

#include "aspects/aspect_list.h"
#include "aspects/aspect_list_glyphs.h"
#include "aspects/aspect_list_words.h"
#include "aspects/classify_aspect.h"
#include "aspects/magi_aspects.h"
#include "aspects/magi_linkages.h"
#include "aspects/orb_file.h"
#include "aspects/parallels.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex {
namespace {

// Orbs by orb file line; lines not named are 0.
OrbTable Orbs(std::initializer_list<std::pair<int, float>> lines, float rest = 0) {
  OrbTable orbs;
  orbs.fill(rest);
  for (auto [line, orb] : lines) orbs[line] = orb;
  return orbs;
}

// The shorter arc counts; where orbs overlap the later test wins; bounds are
// inclusive in 32-bit floats (60 + 0.1f is 60.0999985).
TEST(ClassifyAspect, ShorterArcLaterTestAndFloatBounds) {
  using Case = std::tuple<double, OrbTable, int>;
  for (const auto& [separation, orbs, code] : {
           Case{2, Orbs({{1, 2}, {5, 10}}), kConjunction},
           Case{11.5, Orbs({{1, 12}, {11, 25}}), kConjunction},
           Case{30, Orbs({{5, 150}, {7, 1}}), kSemisextile},
           Case{10, Orbs({{6, 180}}), kNoAspect},  // the parallel orb plays no part
           Case{58, Orbs({{2, 2}}), kSextile},
           Case{57.99, Orbs({{2, 2}}), kNoAspect},
           Case{60.1, Orbs({{2, 0.1f}}), kSextile},
           Case{60.1000015, Orbs({{2, 0.1f}}), kNoAspect},
       }) {
    EXPECT_EQ(ClassifyAspect(359, 359 + separation - 360, orbs), code) << separation;
    EXPECT_EQ(ClassifyAspect(180 + separation, 180, orbs), code) << separation;
  }
}

// 5.100000005 is past 0.1f but rounds to it as a float.
TEST(Parallels, DeclinationsOfEqualSizeWithinTheOrb) {
  for (const auto& [p, q, orb, parallel, contra] : {std::tuple{10.0, -10.5, 1.0f, true, true},
                                                    {10.0, 11.01, 1.0f, false, false},
                                                    {-3.0, 5.0, 1.0f, false, true},
                                                    {5.0, 5.100000005, 0.1f, true, false},
                                                    {5.0, 5.10000001, 0.1f, false, false}}) {
    EXPECT_EQ(IsParallel(p, q, Orbs({{6, orb}})), parallel) << p << " " << q;
    EXPECT_EQ(IsParallel(q, p, Orbs({{6, orb}})), parallel) << q << " " << p;
    EXPECT_EQ(IsContraparallel(p, q), contra) << p << " " << q;
  }
}

// With every object conjunct and parallel with every other: the heliocentric
// list drops the Moon, the nodes, the Part of Fortune and the angles, the
// parallels also the nodes and the Part of Fortune. The Earth takes the Sun's
// place in the heliocentric texts.
TEST(AspectList, ObjectsAdmittedAndTheGlyphAndHeliocentricTexts) {
  ChartState all;
  all.ObjectDecl.fill(5);
  for (bool helio : {false, true}) {
    const AspectList every = BuildAspectList(all, Orbs({{1, 1}}), helio);
    EXPECT_EQ(every.aspects.size(), helio ? 10u * 9 : 16u * 15) << helio;
    EXPECT_EQ(every.parallels.size(), helio ? 10u * 9 : 13u * 12) << helio;
  }
  const AspectList sample = {
      {{kSun, kTrine, false, kJupiter}, {kMidheaven, kSeptile, false, kPartOfFortune}},
      {{kSun, kParallel, true, kMars}, {kChiron, kParallel, false, kMercury}}};
  EXPECT_EQ(
      AspectListGlyphText(sample, false),
      "\r\n  \xE0 \xA4 \xE4\r\n  \xEE \xB0 \xEC\r\n\r\n  \xE0 \xB1 \xE3\r\n  \xEF \xA6 \xE1\r\n");
  EXPECT_EQ(AspectListGlyphText(sample, true).substr(0, 5), "\r\n  \xEC");
  EXPECT_EQ(AspectListWords(sample, true, "\r\n").substr(0, 35),
            "EARTH      Trine          JUPITER\r\n");
}

// Magi objects parked at 5, 12 ... 75 with declinations 1.5, 3 ... 16.5: no
// aspect and no parallel until a test moves one. k = 11 sets Chiron.
MagiFacts Magi(std::initializer_list<std::array<double, 3>> moved, bool chiron = true) {
  ChartState chart;
  chart.ChironAvailable = chiron;
  auto put = [&chart](int k, double lon, double decl) {
    chart.ObjectLon[k == kMagiChiron ? kChiron : k] = lon;
    chart.ObjectDecl[k == kMagiChiron ? kChiron : k] = decl;
  };
  for (int k = 1; k <= kMagiObjectCount; ++k) put(k, 5.0 + 7.0 * (k - 1), 1.5 * k);
  for (const auto& [k, lon, decl] : moved) put(static_cast<int>(k), lon, decl);
  return ComputeMagiAspects(chart);
}

template <typename Fact>
const Fact* Find(const std::vector<Fact>& facts, int a, int b) {
  for (const Fact& f : facts)
    if (f.first == std::min(a, b) && f.second == std::max(a, b)) return &f;
  return nullptr;
}

// Windows of 3 either side; a sextile is never listed.
TEST(MagiAspects, WindowsAndLabelsBySeparation) {
  const struct {
    int a, b;
    double lon_a, lon_b;
    AspectCode code;  // kNoAspect: not listed
    double deviation;
    const char* labels;
  } cases[] = {{kSun, kMoon, 200, 293, kSquare, 3, ""},
               {kSun, kMoon, 200, 293.01, kNoAspect, 0, ""},
               {kSun, kMoon, 358, 1, kConjunction, 3, ""},
               {kVenus, kMars, 200, 260, kNoAspect, 0, ""},
               {kSun, kJupiter, 200, 320, kTrine, 0, "   fidelity AND SUPER"},
               {kVenus, kMagiChiron, 200, 200, kConjunction, 0,
                "   MAGIcal AND Cinderella AND Golden linkage AND SUPER"},
               {kSaturn, kVenus, 200, 350, kQuincunx, 0, "   SATURN CLASH"}};
  for (const auto& c : cases) {
    const MagiFacts facts =
        Magi({{double(c.a), c.lon_a, 1.5 * c.a}, {double(c.b), c.lon_b, 1.5 * c.b}});
    const MagiAspect* found = Find(facts.aspects, c.a, c.b);
    ASSERT_EQ(found != nullptr, c.code != kNoAspect) << c.lon_a << " " << c.lon_b;
    if (found == nullptr) continue;
    EXPECT_EQ(found->code, c.code) << c.lon_a << " " << c.lon_b;
    EXPECT_NEAR(found->deviation, c.deviation, 1e-9) << c.lon_a << " " << c.lon_b;
    EXPECT_EQ(found->labels, c.labels) << c.lon_a << " " << c.lon_b;
  }
}

// Mars at 20 north, Neptune 1.2 and 1.3 away, and south. The Sun on Chiron,
// the North Node trine and parallel to it: outside its tables Chiron stands at
// 0, 0 and the node takes its place.
TEST(MagiAspects, ParallelsWithinOneDegreeTwelveAndChironOutsideItsTables) {
  for (const auto& [decl, listed, contra] :
       {std::tuple{21.2, true, false}, {21.3, false, false}, {-18.8, true, true}}) {
    const MagiFacts facts = Magi({{double(kMars), 26, 20}, {double(kNeptune), 54, decl}});
    const MagiParallel* found = Find(facts.parallels, kMars, kNeptune);
    EXPECT_EQ(found != nullptr, listed) << decl;
    EXPECT_EQ(found != nullptr && found->contraparallel, contra) << decl;
  }
  for (const bool available : {false, true}) {
    const MagiFacts facts =
        Magi({{11, 0, 0}, {double(kSun), 0, 0}, {double(kNorthNode), 120, 0}}, available);
    EXPECT_EQ(facts.object_count, available ? 11 : 10);
    EXPECT_EQ(Find(facts.aspects, kSun, kMagiChiron) != nullptr, available);
    EXPECT_EQ(Find(facts.parallels, kSun, kMagiChiron) != nullptr, available);
  }
}

std::string WriteOrbFile(const std::string& text) {
  const std::string path = test::MakeTempDir("orbs") + "/TEST.ORB";
  test::WriteText(path, text);
  return path;
}

// Reading stops at the first empty line or the seventeenth; the rest keep 99.
TEST(OrbFile, ReadsUpToTheFirstEmptyLineAndKeepsTheRest) {
  std::string nineteen;
  for (int n = 1; n <= 19; ++n) nineteen += std::to_string(n) + "\r\n";
  OrbTable seventeen = Orbs({}, 99);
  for (int n = 1; n <= 17; ++n) seventeen[n] = n;
  for (const auto& [text, orbs_read] :
       {std::pair{std::string("8\r\n5\r\n\r\n7\r\n"), Orbs({{1, 8}, {2, 5}}, 99)},
        {"8.0  label\r\n 0 off\r\n  1.5\tsextile\r\n.5\r\n",
         Orbs({{1, 8}, {2, 0}, {3, 1.5f}, {4, 0.5f}}, 99)},
        {"3\n4", Orbs({{1, 3}, {2, 4}}, 99)},
        {nineteen, seventeen}}) {
    OrbTable orbs = Orbs({}, 99);
    test::RecordingMessages messages;
    EXPECT_TRUE(ReadOrbFile(WriteOrbFile(text), orbs, messages)) << text;
    EXPECT_EQ(orbs, orbs_read) << text;
    EXPECT_TRUE(messages.texts.empty()) << text;
  }
}

// A field without a number is named, not read as an orb of 0; a negative orb
// would empty the list, one above 180 make every pair an aspect; unprintable
// bytes are escaped and a long line cut short.
TEST(OrbFile, MissingOrUnreadableFileWarnsAndKeepsTheTable) {
  const std::string dir = test::MakeTempDir("orbs-bad");
  const std::string label_first = WriteOrbFile("8\r\nlabel 8\r\n3\r\n");
  const std::string negative = WriteOrbFile("8\r\n6\r\n-2     semisextile\r\n");
  const std::string too_wide = WriteOrbFile("400\r\n");
  const std::string binary = WriteOrbFile("8\r\n\x01\xff" + std::string(100, 'x') + "\r\n");
  for (const auto& [path, message] : {
           std::pair{dir + "/NOSUCH.ORB", "Orb file not found: " + dir + "/NOSUCH.ORB"},
           {dir, "Orb file could not be read: " + dir + " is a folder, not a file"},
           {std::string(), std::string("No orb file is chosen")},
           {label_first, "Line 2 of " + label_first + " is not a number: \"label 8\""},
           {negative, "Line 3 of " + negative + ": the orb -2 is outside 0 to 180"},
           {too_wide, "Line 1 of " + too_wide + ": the orb 400 is outside 0 to 180"},
           {binary, "Line 2 of " + binary + " is not a number: \"\\x01\\xFF" +
                        std::string(38, 'x') + "...\""},
       }) {
    OrbTable orbs = Orbs({}, 4);
    test::RecordingMessages messages;
    EXPECT_FALSE(ReadOrbFile(path, orbs, messages)) << path;
    EXPECT_EQ(orbs, Orbs({}, 4)) << path;
    EXPECT_EQ(messages.texts, std::vector<std::string>{message + ". The orbs stay as they were."});
  }
}

}  // namespace
}  // namespace kairotex
