// The orb editor "Edit: <orb file>": the current orb file as text, Save and
// Quit. Saved orbs take effect the next time the orb file is read.
#pragma once

#include "mainwindow/program_context.h"
#include "mainwindow/qt/file_editor_window.h"

namespace kairotex {

class OrbsEditWindow : public FileEditorWindow {
  Q_OBJECT

 public:
  OrbsEditWindow(ProgramContext& context, QWidget* parent = nullptr);
  // Fills the text from the current orb file; false (and said) when it
  // cannot be read.
  bool LoadText();

 protected:
  void Save(std::string_view text) override;

 private:
  ProgramContext& context_;
  // The file this window edits, fixed at opening: a later chart resets the
  // current orb file, and Save must not write another file than was loaded.
  std::string path_;
};

}  // namespace kairotex
