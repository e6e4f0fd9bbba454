// The election finder: conditions judged on a chart, the search over a range
// of moments with its windows, their explanation and tolerance, and the
// presets for common undertakings.
#pragma once

#include "elect/condition_eval.h"
#include "elect/conditions.h"
#include "elect/election_explain.h"
#include "elect/election_presets.h"
#include "elect/election_score.h"
#include "elect/election_search.h"
#include "elect/election_tolerance.h"
#include "elect/moment.h"
#include "elect/sky_facts.h"
