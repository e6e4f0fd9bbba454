// The report buffer: every report is written into it line by line, then shown
// in the data window. The data buffer keeps every line since start-up or the
// last "Clear all data"; the current report holds the report being written.
//
// Both lists always hold one slot more than their count, an empty string at
// index = count; readers walk from 0 up to and including the count, so every
// output ends with that empty line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chart/chart_state.h"
#include "chart/platform.h"

namespace kairotex {

// The data window as the report buffer sees it.
class ReportView {
 public:
  virtual ~ReportView() = default;
  // Minimised: the report stays buffered and is not shown.
  virtual bool IsMinimised() const = 0;
  // Replaces the window's text with the report and shows the window.
  virtual void ShowReportText(const std::string& text, const std::string& caption) = 0;
};

inline constexpr const char* kBufferFullMessage =
    "Buffer cannot hold any more data. Please print and/or clear data buffer before displaying "
    "any more data. This message may appear up to 35 times depending on how full the buffer is "
    "and how much the program wants to write to it.";
inline constexpr const char* kBufferNearlyFullMessage =
    "The data buffer is nearly full. Please consider clearing the data buffer by clicking on the "
    "'Clear all data' menu item.";
inline constexpr const char* kAllDataClearedMessage = "All data cleared from buffer.";
// Once more lines than this are buffered, every shown report warns.
inline constexpr int kNearlyFullLineCount = 1000;

class ReportBuffer {
 public:
  explicit ReportBuffer(MessageSink& messages);

  // The line a report writer builds; AppendLine stores it and keeps its text.
  std::string current_line;

  // Starts a new current report (the data buffer is kept).
  void StartReport();
  // Appends the current line to the data buffer and the current report; past
  // 32767 lines the buffer-full message is shown and the line is lost.
  void AppendLine();
  void AppendBlankLine();
  // Appends each line in turn, as a writer setting the current line would.
  void AppendLines(const std::vector<std::string>& lines);
  // Closes the report with an empty line and shows it in the view, captioned
  // with the title text followed by "Data". Nothing happens when the view is
  // minimised or the data buffer is empty. Warns once more than 1000 lines are buffered.
  void ShowReport(ReportView& view, const std::string& title_text);
  // "Clear all data": empties the data buffer (the current report stays).
  void ClearAllData();

  int16_t data_line_count() const { return data_count_; }
  int16_t report_line_count() const { return report_count_; }
  // Lines 0 .. count, the spare empty slot included.
  const std::vector<std::string>& data_lines() const { return data_; }
  const std::vector<std::string>& report_lines() const { return report_; }

  // The shown text of the current report: every line 0 .. count followed by
  // the given line end.
  std::string ReportText(const std::string& line_end = "\r\n") const;

 private:
  MessageSink& messages_;
  std::vector<std::string> data_{"", ""};
  std::vector<std::string> report_{"", ""};
  int16_t data_count_ = 0;
  int16_t report_count_ = 0;
};

// The three header lines of every report: an empty line, the chart title, and
// date, zone, time and place; a fourth names the precise ephemeris when the
// chart was cast with it.
void AppendReportHeader(ReportBuffer& buffer, const ChartState& chart);

}  // namespace kairotex
