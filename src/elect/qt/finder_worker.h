// An election search on a thread of its own. The thread works on its own
// copy of the program's tables and collects the engine's messages, so that
// nothing it touches is shared with the window.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "chart/chart_program.h"
#include "elect/election_search.h"

namespace kairotex {

// Messages of the engine kept for the window to show afterwards; the search's
// threads may report at once.
class CollectedMessages : public MessageSink {
 public:
  void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
  std::vector<std::string> Take();

 private:
  std::mutex mutex_;
  std::vector<std::string> texts_;
};

class FinderWorker {
 public:
  // Both callbacks run on the worker thread: progress between blocks of
  // moments, done once at the end with the windows found (so far, when
  // cancelled) and the engine's messages.
  using Progress = std::function<void(double done)>;
  using Done = std::function<void(ElectionSearchResult, std::vector<std::string> messages)>;

  FinderWorker(const ChartProgram& program, const Clock& clock, const ChartSettings& settings,
               ElectionSearch search, Progress progress, Done done);
  // Cancels the search and waits for the thread.
  ~FinderWorker();
  FinderWorker(const FinderWorker&) = delete;
  FinderWorker& operator=(const FinderWorker&) = delete;

  void Cancel() { cancel_.store(true, std::memory_order_relaxed); }

 private:
  void Run();

  ChartProgram program_;
  const Clock& clock_;
  ChartSettings settings_;
  ElectionSearch search_;
  Progress progress_;
  Done done_;
  CollectedMessages messages_;
  std::atomic<bool> cancel_{false};
  std::thread thread_;  // last: it starts once the rest is in place
};

}  // namespace kairotex
