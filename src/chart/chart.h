// The chart engine: chart state, time and angles, planets, houses, data files
// and Chiron, and the calculation driver.
#pragma once

#include "chart/angles.h"
#include "chart/calculate_chart.h"
#include "chart/chart_program.h"
#include "chart/chart_series.h"
#include "chart/chart_state.h"
#include "chart/data_files.h"
#include "chart/election_checks.h"
#include "chart/election_steps.h"
#include "chart/planet_theory.h"
#include "chart/platform.h"
