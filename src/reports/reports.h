// Reports: the report buffer and its saved files, the report commands of the
// Data menu and the writers they run.
#pragma once

#include "reports/almutens.h"
#include "reports/antiscia.h"
#include "reports/cosmodynes_report.h"
#include "reports/degree_strip.h"
#include "reports/essential_dignities.h"
#include "reports/horary_basics.h"
#include "reports/magi_aspects_report.h"
#include "reports/moon_aspects.h"
#include "reports/other_degrees.h"
#include "reports/report_buffer.h"
#include "reports/report_commands.h"
#include "reports/report_context.h"
#include "reports/saved_data_file.h"
