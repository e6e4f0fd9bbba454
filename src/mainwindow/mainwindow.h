// The main window's core: the program context, start-up, the chart commands,
// stepping, the running clock's caption, the screen class, the menu table,
// the help files and the options editor. No window code.
#pragma once

#include "mainwindow/chart_commands.h"
#include "mainwindow/clock_caption.h"
#include "mainwindow/help_files.h"
#include "mainwindow/menu_table.h"
#include "mainwindow/options_editor.h"
#include "mainwindow/orb_commands.h"
#include "mainwindow/program_context.h"
#include "mainwindow/program_start.h"
#include "mainwindow/screen_class.h"
#include "mainwindow/text_file_editor.h"
#include "mainwindow/time_steps.h"
