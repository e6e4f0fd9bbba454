// A message sink and a report view that record what the program shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/platform.h"
#include "reports/report_buffer.h"

namespace kairotex::test {

struct RecordedMessage {
  std::string text, title;
  MessageIcon icon;
};

class RecordingMessages : public MessageSink {
 public:
  void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override {
    all.push_back({std::string(text), std::string(title), icon});
    texts.emplace_back(text);
    titles.emplace_back(title);
  }
  std::vector<RecordedMessage> all;
  std::vector<std::string> texts, titles;
};

class RecordingView : public ReportView {
 public:
  bool IsMinimised() const override { return minimised; }
  void ShowReportText(const std::string& text, const std::string& caption) override {
    shown.push_back(text);
    last_caption = caption;
  }
  bool minimised = false;
  std::vector<std::string> shown;
  std::string last_caption;
};

}  // namespace kairotex::test
