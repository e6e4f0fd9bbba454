#include "mainwindow/qt/options_window.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "mainwindow/options_editor.h"
#include "settings/user_name.h"

namespace kairotex {

OptionsWindow::OptionsWindow(ProgramContext& context, QWidget* parent)
    : FileEditorWindow(QStringLiteral("Options"), parent), context_(context) {
  setWindowTitle(Latin1Text(kOptionsEditorCaption));
  auto* restore = new QPushButton(QStringLiteral("&Restore default"), this);
  restore->setObjectName(QStringLiteral("cmdRestoreDefault"));
  connect(restore, &QPushButton::clicked, this, &OptionsWindow::cmdRestoreDefault_Click);
  buttons()->addWidget(restore);
}

bool OptionsWindow::LoadText() {
  const std::optional<std::string> text = ReadOptionsEditorText(context_.program_dir());
  if (!text) return false;
  ShowText(*text);
  return true;
}

// The file written, the options read again and the title text rebuilt; the
// chart takes the new values at its next calculation or paint.
void OptionsWindow::Save(std::string_view text) {
  std::string error;
  if (!SaveOptionsEditorText(context_.program_dir(), text, context_.program.options, &error)) {
    context_.messages.ShowMessage(error, kWarningTitle, MessageIcon::kExclamation);
    return;
  }
  context_.title_text = BuildTitleText(context_.user_name_line, context_.program.options[123]);
}

void OptionsWindow::cmdRestoreDefault_Click() {
  std::string error;
  if (!RestoreDefaultOptions(context_.program_dir(), &error) || !LoadText()) {
    context_.messages.ShowMessage(kOptionsOperationErrorMessage, kWarningTitle,
                                  MessageIcon::kInformation);
  }
}

}  // namespace kairotex
