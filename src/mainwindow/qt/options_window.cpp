#include "mainwindow/qt/options_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "mainwindow/options_editor.h"
#include "settings/user_name.h"

namespace kairotex {
namespace {

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}

}  // namespace

OptionsWindow::OptionsWindow(ProgramContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), text_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("Options"));
  setWindowTitle(Latin1(kOptionsEditorCaption));
  setAttribute(Qt::WA_DeleteOnClose);
  text_->setObjectName(QStringLiteral("txtContent"));
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* save = new QPushButton(QStringLiteral("&Save"), this);
  save->setObjectName(QStringLiteral("btnSave"));
  auto* quit = new QPushButton(QStringLiteral("&Quit"), this);
  quit->setObjectName(QStringLiteral("btnQuit"));
  auto* restore = new QPushButton(QStringLiteral("&Restore default"), this);
  restore->setObjectName(QStringLiteral("cmdRestoreDefault"));
  connect(save, &QPushButton::clicked, this, &OptionsWindow::btnSave_Click);
  connect(quit, &QPushButton::clicked, this, &OptionsWindow::btnQuit_Click);
  connect(restore, &QPushButton::clicked, this, &OptionsWindow::cmdRestoreDefault_Click);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save);
  buttons->addWidget(quit);
  buttons->addStretch();
  buttons->addWidget(restore);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addLayout(buttons);
  resize(640, 560);
}

bool OptionsWindow::LoadText() {
  const std::optional<std::string> text = ReadOptionsEditorText(context_.program_dir());
  if (!text) return false;
  QString shown = Latin1(*text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text_->setPlainText(shown);
  return true;
}

// The file written, the options read again and the title text rebuilt; the
// chart takes the new values at its next calculation or paint.
void OptionsWindow::btnSave_Click() {
  const QByteArray bytes = text_->toPlainText().toLatin1();
  std::string error;
  if (!SaveOptionsEditorText(context_.program_dir(), std::string_view(bytes.data(), bytes.size()),
                             context_.program.options, &error)) {
    context_.messages.ShowMessage(error, kWarningTitle, MessageIcon::kExclamation);
    return;
  }
  context_.title_text = BuildTitleText(context_.user_name_line, context_.program.options[123]);
}

void OptionsWindow::btnQuit_Click() { close(); }

void OptionsWindow::cmdRestoreDefault_Click() {
  std::string error;
  if (!RestoreDefaultOptions(context_.program_dir(), &error) || !LoadText()) {
    context_.messages.ShowMessage(kOptionsOperationErrorMessage, kWarningTitle,
                                  MessageIcon::kInformation);
    return;
  }
}

}  // namespace kairotex
