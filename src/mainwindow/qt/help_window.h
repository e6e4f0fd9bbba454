// The help text window HelpX: one help file, read-only, in a fixed-width font.
#pragma once

#include <QDialog>
#include <string>

#include "chart/platform.h"

class QPlainTextEdit;

namespace kairotex {

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // Loads program_dir/file_name and shows it, captioned with the file name.
  // A file that cannot be read: "<name> Help File Not Found" through
  // `messages`, and the window is not shown. Returns whether it is shown.
  bool ShowHelpFile(const std::string& program_dir, const std::string& file_name,
                    MessageSink& messages);

 private:
  QPlainTextEdit* text_;
};

}  // namespace kairotex
