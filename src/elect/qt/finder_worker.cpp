#include "elect/qt/finder_worker.h"

#include <utility>

namespace kairotex {

void CollectedMessages::ShowMessage(std::string_view text, std::string_view, MessageIcon) {
  const std::lock_guard lock(mutex_);
  texts_.emplace_back(text);
}

std::vector<std::string> CollectedMessages::Take() {
  const std::lock_guard lock(mutex_);
  return std::exchange(texts_, {});
}

FinderWorker::FinderWorker(const ChartProgram& program, const Clock& clock,
                           const ChartSettings& settings, ElectionSearch search, Progress progress,
                           Done done)
    : program_(program),
      clock_(clock),
      settings_(settings),
      search_(std::move(search)),
      progress_(std::move(progress)),
      done_(std::move(done)),
      thread_([this] { Run(); }) {}

FinderWorker::~FinderWorker() {
  Cancel();
  if (thread_.joinable()) thread_.join();
}

void FinderWorker::Run() {
  const ChartContext context = program_.Context(clock_, messages_);
  ElectionSearchResult result =
      FindElections(search_, settings_, context, SearchControl{progress_, &cancel_});
  done_(std::move(result), messages_.Take());
}

}  // namespace kairotex
