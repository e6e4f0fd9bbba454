// The options editor "Edit: OPTIONS.OPT": the whole file as text, Save,
// Quit and Restore default.
#pragma once

#include "mainwindow/program_context.h"
#include "mainwindow/qt/file_editor_window.h"

namespace kairotex {

class OptionsWindow : public FileEditorWindow {
  Q_OBJECT

 public:
  OptionsWindow(ProgramContext& context, QWidget* parent = nullptr);
  // Fills the text from the file; false when it cannot be read.
  bool LoadText();

 public slots:
  void cmdRestoreDefault_Click();

 protected:
  void Save(std::string_view text) override;

 private:
  ProgramContext& context_;
};

}  // namespace kairotex
