// The orb commands of the Options menu and the aspect window: the aspect
// list of the chart on screen, choosing another orb file and editing it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "mainwindow/program_context.h"

namespace kairotex {

// The aspect window's text: the current orb file read anew, then the list in
// the glyphs of the HORARY font (Latin-1 bytes, CR LF). nullopt, with the
// reason shown, when the orb file cannot be read: no list pretends to be the
// chart's aspects then, and the orbs stay as they were.
std::optional<std::string> AspectWindowText(ProgramContext& context);

// "Select new orb file", before the chooser opens: the current orb file, or
// NATAL.ORB in the program folder when none is set. A missing file is said
// (the user may choose another); the result is the file to preselect.
std::string OrbFileToPreselect(ProgramContext& context);

// The chooser's answer: a chosen file becomes the current orb file until the
// next calculation; an empty answer (Cancel) changes nothing. True when the
// orb file changed.
bool TakeChosenOrbFile(ProgramContext& context, const std::string& chosen);

// The orb editor's caption, "Edit: " and the current orb file's path.
std::string OrbEditorCaption(const ProgramContext& context);

// The orb editor's text from the current orb file; nullopt, with the
// orb-file message shown, when it cannot be read.
std::optional<std::string> ReadOrbEditorText(ProgramContext& context);

// Save: the text written to the orb file at path (the one the editor
// loaded) as the user typed it (less its final line end, then CR LF),
// through the safe writer. The orbs take effect the next time the orb file
// is read, which then names any line that is not a number. Returns false
// with the reason shown when the file cannot be written.
bool SaveOrbEditorText(ProgramContext& context, const std::string& path, std::string_view text);

}  // namespace kairotex
