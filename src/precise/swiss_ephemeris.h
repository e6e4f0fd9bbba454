// The precise ephemeris: apparent geocentric places of date (light time,
// aberration, nutation, with Delta T) from the Swiss Ephemeris files of the
// planets, the Moon and the main asteroids, 1800 to 2399.
#pragma once

#include <memory>
#include <string>

#include "chart/ephemeris.h"

namespace kairotex {

class SwissEphemeris final : public Ephemeris {
 public:
  // The folder of the system's ephemeris files.
  static std::string DefaultFolder();
  // Opens the files in `folder`. Null, with the reason in the program's
  // words, when a file is missing or cannot be read.
  static std::unique_ptr<SwissEphemeris> Open(const std::string& folder, std::string& error);

  EphemerisKind Kind() const override { return EphemerisKind::kSwiss; }
  bool Covers(double julian_date_ut, std::string& why) const override;
  SiderealFrame FrameAt(const ChartState& state) const override;
  bool FillBodies(ChartState& state, const KnownBodies& known, std::string& why) const override;
  void FillChiron(ChartState& state) const override;

  const std::string& Folder() const { return folder_; }
  // The Julian dates of universal time whose charts the files serve.
  double FirstDate() const { return first_date_; }
  double LastDate() const { return last_date_; }

 private:
  SwissEphemeris(std::string folder, double first_date, double last_date)
      : folder_(std::move(folder)), first_date_(first_date), last_date_(last_date) {}
  std::string folder_;
  double first_date_, last_date_;
};

// The precise ephemeris of `folder` for a program that asks for it; null,
// with the message to show, when its files cannot be opened (the program's
// theories cast the charts then).
std::shared_ptr<const Ephemeris> OpenPreciseEphemeris(const std::string& folder,
                                                      std::string& message);

}  // namespace kairotex
