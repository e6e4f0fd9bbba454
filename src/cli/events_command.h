// kairotex-cli events: the ingresses, void-of-course Moons, aspect
// perfections and stations of a range, exact to the second, as text, JSON,
// CSV or an iCalendar file.
#pragma once

#include <ostream>
#include <string>

#include "chart/platform.h"
#include "cli/chart_request.h"

namespace CLI {
class App;
}

namespace kairotex::cli {

struct EventsFlags {
  std::string from, to;  // YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS], in the place's zone
  int threads = 2;
  bool json = false, csv = false;
  std::string ics;
  ChartFlags place;  // --place, --tz, --lon, --lat, --zone, --data-dir
};

CLI::App* AddEventsCommand(CLI::App& app, EventsFlags& flags);

int RunEvents(const EventsFlags& flags, std::ostream& out, std::ostream& err, const Clock& clock);

}  // namespace kairotex::cli
