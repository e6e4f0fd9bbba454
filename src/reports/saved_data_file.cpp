#include "reports/saved_data_file.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "settings/program_dir.h"
#include "settings/safe_file_write.h"

namespace kairotex {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kFormFeedLine = "\f\r\n";
constexpr const char* kInformationTitle = "Information";

bool IsFileNameCharacter(unsigned char c) {
  if (c < 32 || c == 127) return false;
  return std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) == std::string_view::npos;
}

// Lines between form feeds; 0 when no form feeds are wanted before the last.
long PageStep(float option50) {
  const double step = std::nearbyint(static_cast<double>(option50) - 1.0);
  if (!(step >= 1.0) || step > 1e9) return 0;
  return static_cast<long>(step);
}

std::string LinesText(const std::vector<std::string>& lines, int count) {
  std::string text;
  const int last = std::min(count, static_cast<int>(lines.size()) - 1);
  for (int i = 0; i <= last; ++i) {
    text += lines[i];
    text += kLineEnd;
  }
  return text;
}

bool WriteReported(const std::string& path, const std::string& text, MessageSink& messages) {
  if (IsWriteProtected(path)) {
    messages.ShowMessage(WriteProtectedMessage(path), kWarningTitle, MessageIcon::kExclamation);
    return false;
  }
  std::string error;
  if (WriteFileReplacing(path, text, &error)) return true;
  messages.ShowMessage("The file " + path + " could not be written (" + error +
                           "). Any earlier copy of it is unchanged.",
                       kWarningTitle, MessageIcon::kExclamation);
  return false;
}

}  // namespace

std::string WriteProtectedMessage(const std::string& path) {
  return path + " is write-protected. The data was not saved.";
}

std::string ProposedDataFileName(const std::string& chart_title) {
  const size_t space = chart_title.find(' ');
  // Position 8 or lower counting from 1: index 7 or lower.
  const std::string stem = space != std::string::npos && space <= 7 ? chart_title.substr(0, space)
                                                                    : chart_title.substr(0, 8);
  std::string name;
  for (char c : stem) {
    if (IsFileNameCharacter(static_cast<unsigned char>(c))) name += c;
  }
  return name + ".DOC";
}

std::string DataFileText(const ReportBuffer& buffer, float option50) {
  const std::vector<std::string>& lines = buffer.data_lines();
  const long step = PageStep(option50);
  std::string text;
  for (int i = 0; i <= buffer.data_line_count(); ++i) {
    text += lines[i];
    text += kLineEnd;
    if (step > 0 && i != 0 && i % step == 0) text += kFormFeedLine;
  }
  text += kFormFeedLine;
  return text;
}

bool SaveDataFile(const std::string& path, const ReportBuffer& buffer, float option50,
                  MessageSink& messages) {
  if (buffer.data_line_count() == 0) {
    messages.ShowMessage(kNoDataToWriteMessage, kInformationTitle, MessageIcon::kExclamation);
    return false;
  }
  return WriteReported(path, DataFileText(buffer, option50), messages);
}

bool WritePrintFile(const std::string& program_dir, const std::vector<std::string>& lines,
                    int count, MessageSink& messages) {
  return WriteReported(ProgramPath(program_dir, kPrintFileName), LinesText(lines, count), messages);
}

bool WriteReportPrintFile(const std::string& program_dir, const ReportBuffer& buffer,
                          MessageSink& messages) {
  if (buffer.report_line_count() == 0) return false;
  return WritePrintFile(program_dir, buffer.report_lines(), buffer.report_line_count(), messages);
}

bool WriteDataPrintFile(const std::string& program_dir, const ReportBuffer& buffer,
                        MessageSink& messages) {
  if (buffer.data_line_count() == 0) {
    messages.ShowMessage(kNoDataToPrintMessage, kInformationTitle, MessageIcon::kExclamation);
    return false;
  }
  return WritePrintFile(program_dir, buffer.data_lines(), buffer.data_line_count(), messages);
}

}  // namespace kairotex
