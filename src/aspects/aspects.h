// The aspects library: the orb file, the aspect and parallel rules, and the
// aspect window's list with its glyph and word texts.
#pragma once

#include "aspects/aspect_codes.h"
#include "aspects/aspect_list.h"
#include "aspects/aspect_list_glyphs.h"
#include "aspects/aspect_list_words.h"
#include "aspects/classify_aspect.h"
#include "aspects/orb_file.h"
#include "aspects/parallels.h"
