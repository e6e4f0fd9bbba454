// The files written from the report buffer: the saved data file (*.DOC,
// all buffered lines with form-feed lines for the printer) and the print
// file PRNTFILE.XXX that the print window reads.
#pragma once

#include <string>
#include <vector>

#include "chart/platform.h"
#include "reports/report_buffer.h"

namespace kairotex {

inline constexpr const char* kNoDataToWriteMessage = "No data to write to file.";
inline constexpr const char* kNoDataToPrintMessage = "No data to print.";
inline constexpr const char* kPrintFileName = "PRNTFILE.XXX";

// The name the Save As dialog proposes: the chart title up to its first
// blank when that blank is among the first 8 characters, else the title's
// first 8 characters; characters a file name cannot hold are dropped, and
// ".DOC" is added. "SMITH WEDDING - election chart" -> "SMITH.DOC".
std::string ProposedDataFileName(const std::string& chart_title);

// The saved file's text: buffer lines 0 .. count, each ended by CR LF, a
// form-feed line after line i when i is not 0 and a whole multiple of
// option 50 - 1 (rounded half to even), and one more form-feed line at the
// end. A step below 1 gives only the closing form-feed line.
std::string DataFileText(const ReportBuffer& buffer, float option50);

// The refusal to write over a file the user may not write.
std::string WriteProtectedMessage(const std::string& path);

// Saves the whole buffer to path. An empty buffer gives "No data to write to
// file."; a write-protected file gives WriteProtectedMessage; a failed write
// is reported. Both leave any existing file as it was; a replaced file keeps
// its permissions.
bool SaveDataFile(const std::string& path, const ReportBuffer& buffer, float option50,
                  MessageSink& messages);

// Writes lines 0 .. count (CR LF each) to PRNTFILE.XXX in the program folder,
// replacing it safely; a failed write is reported.
bool WritePrintFile(const std::string& program_dir, const std::vector<std::string>& lines,
                    int count, MessageSink& messages);

// "Print page": the current report into the print file; an empty report does
// nothing and returns false.
bool WriteReportPrintFile(const std::string& program_dir, const ReportBuffer& buffer,
                          MessageSink& messages);

// "Print data": the whole buffer into the print file; an empty buffer gives
// "No data to print." and returns false.
bool WriteDataPrintFile(const std::string& program_dir, const ReportBuffer& buffer,
                        MessageSink& messages);

}  // namespace kairotex
