// Settings: the options table and its file, name tables, the regional format,
// the program folder and the program's text formats.
#pragma once

#include "settings/data_file_error.h"
#include "settings/name_tables.h"
#include "settings/numeric_line.h"
#include "settings/options.h"
#include "settings/program_dir.h"
#include "settings/regional_format.h"
#include "settings/text_formats.h"
