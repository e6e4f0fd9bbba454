// Layout of the daily Chiron table read by the program at start-up.
#pragma once

namespace kairotex::tools {

// Record i holds Chiron at Julian date kFirstJulianDay + i, 12h UT.
inline constexpr int kFirstJulianDay = 2415000;  // 1899 December 11
inline constexpr int kRecordCount = 60000;       // to 2064 April

// Four decimals (0.36 arcseconds) is finer than the 32-bit floats the program
// stores them in need, and keeps the files near a megabyte.
inline constexpr int kDecimals = 4;

inline constexpr const char* kGeoFileName = "CHIRON.DAT";
inline constexpr const char* kHelioFileName = "CHIRON_HELIO.DAT";

}  // namespace kairotex::tools
