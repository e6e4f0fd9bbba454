// The traditional degree tables of the other-degrees report. Every table is
// keyed by absolute longitude and lists [low, high) intervals with their
// letter; a longitude in no interval gets the table's default.
#pragma once

#include <span>

namespace kairotex {

struct DegreeInterval {
  int low;   // the first degree inside
  int high;  // the first degree past the end
  char letter;
};

struct DegreeTable {
  std::span<const DegreeInterval> intervals;
  char fallback;
};

// The letter of the first interval holding lon, else the table's default.
char DegreeLetter(const DegreeTable& table, double lon);

// Feminine degrees; the closing whole-circle interval makes the rest
// masculine, so a longitude off the circle has no letter at all.
inline constexpr DegreeInterval kMasculineFeminineIntervals[] = {
    {8, 9, 'F'},     {15, 22, 'F'},   {30, 35, 'F'},   {41, 47, 'F'},   {51, 54, 'F'},
    {60, 65, 'F'},   {76, 82, 'F'},   {86, 90, 'F'},   {92, 98, 'F'},   {100, 102, 'F'},
    {113, 117, 'F'}, {125, 128, 'F'}, {135, 143, 'F'}, {150, 158, 'F'}, {162, 170, 'F'},
    {185, 195, 'F'}, {200, 207, 'F'}, {214, 224, 'F'}, {227, 235, 'F'}, {242, 245, 'F'},
    {252, 264, 'F'}, {281, 289, 'F'}, {305, 315, 'F'}, {321, 325, 'F'}, {327, 330, 'F'},
    {340, 350, 'F'}, {353, 358, 'F'}, {0, 360, 'M'}};
inline constexpr DegreeTable kMasculineFeminine{kMasculineFeminineIntervals, ' '};

// Light, dark, smoky and void; the intervals tile the circle, so only a
// longitude off it is left blank.
inline constexpr DegreeInterval kLightDarkIntervals[] = {
    {0, 3, 'D'},     {3, 8, 'L'},     {8, 16, 'D'},    {16, 20, 'L'},   {20, 24, 'V'},
    {24, 29, 'L'},   {29, 30, 'V'},   {30, 33, 'D'},   {33, 37, 'L'},   {37, 42, 'V'},
    {42, 45, 'L'},   {45, 50, 'V'},   {50, 58, 'L'},   {58, 60, 'D'},   {60, 64, 'L'},
    {64, 67, 'D'},   {67, 72, 'L'},   {72, 76, 'V'},   {76, 82, 'L'},   {82, 87, 'D'},
    {87, 90, 'V'},   {90, 102, 'L'},  {102, 104, 'D'}, {104, 108, 'V'}, {108, 110, 'S'},
    {110, 118, 'L'}, {118, 120, 'V'}, {120, 130, 'D'}, {130, 140, 'S'}, {140, 145, 'V'},
    {145, 150, 'L'}, {150, 155, 'D'}, {155, 158, 'L'}, {158, 160, 'V'}, {160, 166, 'L'},
    {166, 172, 'S'}, {172, 180, 'V'}, {180, 185, 'L'}, {185, 190, 'D'}, {190, 198, 'L'},
    {198, 201, 'D'}, {201, 207, 'L'}, {207, 210, 'V'}, {210, 213, 'D'}, {213, 218, 'L'},
    {218, 224, 'V'}, {224, 232, 'L'}, {232, 234, 'S'}, {234, 239, 'V'}, {239, 240, 'D'},
    {240, 249, 'L'}, {249, 252, 'D'}, {252, 259, 'L'}, {259, 263, 'S'}, {263, 270, 'L'},
    {270, 277, 'D'}, {277, 280, 'L'}, {280, 285, 'S'}, {285, 292, 'D'}, {292, 295, 'V'},
    {295, 300, 'D'}, {300, 304, 'S'}, {304, 309, 'L'}, {309, 313, 'D'}, {313, 321, 'L'},
    {321, 325, 'V'}, {325, 330, 'L'}, {330, 336, 'D'}, {336, 342, 'L'}, {342, 352, 'D'},
    {352, 355, 'V'}, {355, 358, 'L'}, {358, 360, 'D'}};
inline constexpr DegreeTable kLightDark{kLightDarkIntervals, ' '};

inline constexpr DegreeInterval kPittedIntervals[] = {
    {5, 6, 'P'},     {10, 11, 'P'},   {15, 16, 'P'},   {22, 23, 'P'},   {28, 29, 'P'},
    {34, 35, 'P'},   {41, 42, 'P'},   {53, 55, 'P'},   {61, 62, 'P'},   {71, 72, 'P'},
    {76, 77, 'P'},   {85, 86, 'P'},   {89, 90, 'P'},   {101, 102, 'P'}, {106, 107, 'P'},
    {112, 113, 'P'}, {115, 116, 'P'}, {119, 120, 'P'}, {125, 126, 'P'}, {132, 133, 'P'},
    {134, 135, 'P'}, {141, 143, 'P'}, {147, 148, 'P'}, {157, 158, 'P'}, {162, 163, 'P'},
    {165, 166, 'P'}, {170, 172, 'P'}, {180, 181, 'P'}, {186, 187, 'P'}, {199, 200, 'P'},
    {209, 210, 'P'}, {218, 220, 'P'}, {231, 233, 'P'}, {236, 237, 'P'}, {246, 247, 'P'},
    {251, 252, 'P'}, {254, 255, 'P'}, {263, 264, 'P'}, {266, 267, 'P'}, {269, 270, 'P'},
    {276, 277, 'P'}, {286, 287, 'P'}, {291, 292, 'P'}, {293, 294, 'P'}, {298, 299, 'P'},
    {300, 301, 'P'}, {311, 312, 'P'}, {316, 317, 'P'}, {321, 322, 'P'}, {323, 324, 'P'},
    {328, 329, 'P'}, {333, 334, 'P'}, {338, 339, 'P'}, {353, 354, 'P'}, {356, 358, 'P'}};
inline constexpr DegreeTable kPitted{kPittedIntervals, '-'};

inline constexpr DegreeInterval kLameIntervals[] = {
    {35, 40, 'L'},   {98, 105, 'L'},  {137, 138, 'L'}, {146, 148, 'L'},
    {228, 229, 'L'}, {237, 238, 'L'}, {240, 241, 'L'}, {246, 248, 'L'},
    {257, 259, 'L'}, {295, 299, 'L'}, {317, 319, 'L'}};
inline constexpr DegreeTable kLame{kLameIntervals, '-'};

inline constexpr DegreeInterval kIncreasingFortuneIntervals[] = {
    {18, 19, 'I'},   {138, 139, 'I'}, {152, 153, 'I'}, {163, 164, 'I'}, {169, 170, 'I'},
    {182, 183, 'I'}, {194, 195, 'I'}, {200, 201, 'I'}, {216, 217, 'I'}, {227, 228, 'I'},
    {229, 230, 'I'}, {251, 252, 'I'}, {259, 260, 'I'}, {281, 284, 'I'}, {289, 290, 'I'},
    {306, 307, 'I'}, {315, 317, 'I'}, {319, 320, 'I'}, {342, 343, 'I'}, {349, 350, 'I'}};
inline constexpr DegreeTable kIncreasingFortune{kIncreasingFortuneIntervals, '-'};

}  // namespace kairotex
