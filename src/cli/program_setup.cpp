#include "cli/program_setup.h"

#include "settings/data_folders.h"

namespace kairotex::cli {

void StreamMessages::ShowMessage(std::string_view text, std::string_view, MessageIcon) {
  err_ << text << "\n";
  ++count_;
}

bool RegionalFormatFor(const std::string& date_order, RegionalFormat& format) {
  format = ReadRegionalFormat();
  if (date_order.empty()) return true;
  if (date_order == "mdy") {
    format.iDate = 0;
  } else if (date_order == "dmy") {
    format.iDate = 1;
  } else if (date_order == "ymd") {
    format.iDate = 2;
  } else {
    return false;
  }
  return true;
}

std::string DataDirFor(const std::string& given, std::ostream& err) {
  std::string warning;
  std::string dir = ResolveProgramDir(given, &warning);
  if (!warning.empty()) err << "kairotex-cli: warning: " << warning << "; reading " << dir << "\n";
  return dir;
}

}  // namespace kairotex::cli
