#include "mainwindow/orb_commands.h"

#include <filesystem>

#include "aspects/aspect_list.h"
#include "aspects/aspect_list_glyphs.h"
#include "aspects/orb_file.h"
#include "mainwindow/text_file_editor.h"
#include "settings/program_dir.h"
#include "settings/safe_file_write.h"

namespace kairotex {
namespace {

void Warn(ProgramContext& context, const std::string& text) {
  context.messages.ShowMessage(text, kWarningTitle, MessageIcon::kExclamation);
}

}  // namespace

std::optional<std::string> AspectWindowText(ProgramContext& context) {
  // Read into a copy: a file that fails part-way leaves the table as it was.
  OrbTable orbs = context.orbs;
  if (!ReadOrbFile(context.chart.CurrentOrbFile, orbs, context.messages)) return std::nullopt;
  context.orbs = orbs;
  const bool heliocentric = context.checks.HelioChart;
  return AspectListGlyphText(BuildAspectList(context.chart, orbs, heliocentric), heliocentric);
}

std::string OrbFileToPreselect(ProgramContext& context) {
  std::string path = context.chart.CurrentOrbFile;
  if (path.empty()) path = ProgramPath(context.program_dir(), "NATAL.ORB");
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) Warn(context, OrbFileNotFoundMessage(path));
  return path;
}

bool TakeChosenOrbFile(ProgramContext& context, const std::string& chosen) {
  if (chosen.empty()) return false;
  context.chart.CurrentOrbFile = chosen;
  return true;
}

std::string OrbEditorCaption(const ProgramContext& context) {
  return "Edit: " + context.chart.CurrentOrbFile;
}

std::optional<std::string> ReadOrbEditorText(ProgramContext& context) {
  std::error_code error;
  const std::string& path = context.chart.CurrentOrbFile;
  std::optional<std::string> text;
  if (std::filesystem::is_regular_file(path, error)) text = ReadEditorText(path);
  if (!text) Warn(context, OrbFileNotFoundMessage(path));
  return text;
}

bool SaveOrbEditorText(ProgramContext& context, const std::string& path, std::string_view text) {
  std::string error;
  if (WriteFileReplacing(path, EditorTextToSave(text), &error)) return true;
  Warn(context, "The orb file was not saved: " + error);
  return false;
}

}  // namespace kairotex
