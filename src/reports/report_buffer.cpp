#include "reports/report_buffer.h"

#include <limits>
#include <new>

namespace kairotex {

ReportBuffer::ReportBuffer(MessageSink& messages) : messages_(messages) {}

void ReportBuffer::StartReport() {
  report_count_ = 0;
  report_.assign(2, std::string());
}

void ReportBuffer::AppendLine() {
  // The counts are 16-bit: the line that would pass 32767 is refused.
  constexpr int16_t kMaxCount = std::numeric_limits<int16_t>::max();
  if (data_count_ == kMaxCount || report_count_ == kMaxCount) {
    messages_.ShowMessage(kBufferFullMessage, kWarningTitle, MessageIcon::kCritical);
    return;
  }
  try {
    // Grow both lists first, so a failure leaves neither half-written.
    data_.resize(data_count_ + 2);
    report_.resize(report_count_ + 2);
    data_[data_count_] = current_line;
    report_[report_count_] = current_line;
  } catch (const std::bad_alloc&) {
    data_.resize(data_count_ + 1);
    report_.resize(report_count_ + 1);
    data_[data_count_].clear();
    report_[report_count_].clear();
    messages_.ShowMessage(kBufferFullMessage, kWarningTitle, MessageIcon::kCritical);
    return;
  }
  ++data_count_;
  ++report_count_;
}

void ReportBuffer::AppendBlankLine() {
  current_line.clear();
  AppendLine();
}

void ReportBuffer::ShowReport(ReportView& view, const std::string& title_text) {
  if (view.IsMinimised() || data_count_ == 0) return;
  AppendBlankLine();
  const std::string text = ReportText();
  if (data_count_ > kNearlyFullLineCount) {
    messages_.ShowMessage(kBufferNearlyFullMessage, kWarningTitle, MessageIcon::kInformation);
  }
  view.ShowReportText(text, title_text + "Data");
}

void ReportBuffer::ClearAllData() {
  data_count_ = 0;
  data_.assign(2, std::string());
  messages_.ShowMessage(kAllDataClearedMessage, "Information!", MessageIcon::kExclamation);
}

std::string ReportBuffer::ReportText(const std::string& line_end) const {
  std::string text;
  for (int i = 0; i <= report_count_; ++i) {
    text += report_[i];
    text += line_end;
  }
  return text;
}

void ReportBuffer::AppendLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    current_line = line;
    AppendLine();
  }
}

}  // namespace kairotex
