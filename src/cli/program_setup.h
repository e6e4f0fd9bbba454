// Start-up of the command line: the program folder, the regional format, the
// tables, and messages written to standard error.
#pragma once

#include <ostream>
#include <string>

#include "chart/chart_program.h"
#include "chart/platform.h"

namespace kairotex::cli {

// Messages of the program on standard error, one a line.
class StreamMessages : public MessageSink {
 public:
  explicit StreamMessages(std::ostream& err) : err_(err) {}
  void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
  int count() const { return count_; }

 private:
  std::ostream& err_;
  int count_ = 0;
};

// The regional format from the locale, its date order replaced by
// "mdy", "dmy" or "ymd" when given. Returns false for another word.
bool RegionalFormatFor(const std::string& date_order, RegionalFormat& format);

// The data folder: the one given, else the user's data folder filled from
// the delivered files (a warning on err when that cannot be done and the
// delivered folder is read instead).
std::string DataDirFor(const std::string& given, std::ostream& err);

}  // namespace kairotex::cli
