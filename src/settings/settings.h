// Settings: the options table and its file, name tables, the regional format,
// the program folder, the window settings file, the user name line, the
// program's text formats and the safe replacement of files.
#pragma once

#include "settings/data_file_error.h"
#include "settings/data_folders.h"
#include "settings/name_tables.h"
#include "settings/numeric_line.h"
#include "settings/options.h"
#include "settings/program_dir.h"
#include "settings/regional_format.h"
#include "settings/safe_file_write.h"
#include "settings/text_formats.h"
#include "settings/user_name.h"
#include "settings/window_settings.h"
