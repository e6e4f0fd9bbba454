#include "precise/swiss_calls.h"

#include <swephexp.h>

#include <algorithm>

namespace kairotex::swiss {
namespace {

// The library keeps its settings and open files in storage of each thread,
// so each thread is pointed at the folder before its first call, and closes
// its files when it ends: a search starts threads by the hundred, and their
// files would stay open.
class ThreadFiles {
 public:
  ~ThreadFiles() {
    if (pointed_) swe_close();
  }
  void Use(const std::string& folder) {
    if (pointed_ && folder_ == folder) return;
    swe_set_ephe_path(folder.c_str());
    folder_ = folder;
    pointed_ = true;
  }

 private:
  std::string folder_;
  bool pointed_ = false;
};

void UseFolder(const std::string& folder) {
  thread_local ThreadFiles files;
  files.Use(folder);
}

}  // namespace

bool PlaceAt(const std::string& folder, int body, double jd_ut, bool heliocentric, Place& place,
             std::string& why) {
  UseFolder(folder);
  const int32 flags = SEFLG_SWIEPH | (heliocentric ? SEFLG_HELCTR : 0);
  double x[6] = {};
  char error[AS_MAXCH] = "";
  const int32 returned = swe_calc_ut(jd_ut, body, flags, x, error);
  // Without its files the library answers from a lesser theory of its own
  // and clears the flag; that answer is not taken.
  if (returned < 0 || (returned & SEFLG_SWIEPH) == 0) {
    why = error[0] != '\0' ? error : "the ephemeris files do not serve this date.";
    while (!why.empty() && why.back() == ' ') why.pop_back();
    return false;
  }
  place = {x[0], x[1]};
  return true;
}

Frame FrameAt(const std::string& folder, double jd_ut) {
  UseFolder(folder);
  double x[6] = {};
  char error[AS_MAXCH] = "";
  swe_calc_ut(jd_ut, SE_ECL_NUT, 0, x, error);
  return {swe_sidtime(jd_ut) * 15.0, x[0], x[2]};
}

bool CoveredDates(const std::string& folder, double& first, double& last, std::string& why) {
  constexpr double kJ2000 = 2451545.0;
  Place place;
  for (const int body : {kSun, kMoon, kChiron}) {
    if (!PlaceAt(folder, body, kJ2000, false, place, why)) return false;
  }
  first = -1e30;
  last = 1e30;
  // Files 0, 1 and 2: the planets, the Moon and the main asteroids.
  for (int file = 0; file <= 2; ++file) {
    double start = 0, end = 0;
    int numbering = 0;
    const char* name = swe_get_current_file_data(file, &start, &end, &numbering);
    if (name == nullptr) {
      why = "the ephemeris files could not be read.";
      return false;
    }
    first = std::max(first, start);
    last = std::min(last, end);
  }
  return true;
}

}  // namespace kairotex::swiss
