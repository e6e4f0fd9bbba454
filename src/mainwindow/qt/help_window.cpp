#include "mainwindow/qt/help_window.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "mainwindow/help_files.h"

namespace kairotex {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), text_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("HelpX"));
  setWindowTitle(QStringLiteral("HELP"));
  text_->setObjectName(QStringLiteral("Text1"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setFamilies({QStringLiteral("Courier New"), font.family()});
  text_->setFont(font);
  auto* quit = new QPushButton(QStringLiteral("Quit"), this);
  quit->setObjectName(QStringLiteral("Command1"));
  connect(quit, &QPushButton::clicked, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(quit, 0, Qt::AlignRight);
  resize(680, 520);
}

bool HelpWindow::ShowHelpFile(const std::string& program_dir, const std::string& file_name,
                              MessageSink& messages) {
  const std::optional<std::string> text = ReadHelpText(program_dir, file_name);
  if (!text) {
    messages.ShowMessage(HelpFileNotFoundMessage(file_name), kWarningTitle,
                         MessageIcon::kExclamation);
    return false;
  }
  QString shown = QString::fromLatin1(text->data(), static_cast<int>(text->size()));
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text_->setPlainText(shown);
  setWindowTitle(QString::fromStdString(file_name));
  show();
  raise();
  return true;
}

}  // namespace kairotex
