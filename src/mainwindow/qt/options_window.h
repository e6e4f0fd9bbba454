// The options editor "Edit: OPTIONS.OPT": the whole file as text, Save,
// Quit and Restore default.
#pragma once

#include <QWidget>

#include "mainwindow/program_context.h"

class QPlainTextEdit;

namespace kairotex {

class OptionsWindow : public QWidget {
  Q_OBJECT

 public:
  OptionsWindow(ProgramContext& context, QWidget* parent = nullptr);
  // Fills the text from the file; false when it cannot be read.
  bool LoadText();

 public slots:
  void btnSave_Click();
  void btnQuit_Click();
  void cmdRestoreDefault_Click();

 private:
  ProgramContext& context_;
  QPlainTextEdit* text_;
};

}  // namespace kairotex
