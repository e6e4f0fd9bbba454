#include "mainwindow/qt/file_editor_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kairotex {

QString Latin1Text(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

FileEditorWindow::FileEditorWindow(const QString& object_name, QWidget* parent)
    : QWidget(parent, Qt::Window), text_(new QPlainTextEdit(this)), buttons_(new QHBoxLayout) {
  setObjectName(object_name);
  setAttribute(Qt::WA_DeleteOnClose);
  text_->setObjectName(QStringLiteral("txtContent"));
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* save = new QPushButton(QStringLiteral("&Save"), this);
  save->setObjectName(QStringLiteral("btnSave"));
  auto* quit = new QPushButton(QStringLiteral("&Quit"), this);
  quit->setObjectName(QStringLiteral("btnQuit"));
  connect(save, &QPushButton::clicked, this, &FileEditorWindow::btnSave_Click);
  connect(quit, &QPushButton::clicked, this, &FileEditorWindow::btnQuit_Click);
  buttons_->addWidget(save);
  buttons_->addWidget(quit);
  buttons_->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addLayout(buttons_);
  resize(640, 560);
}

void FileEditorWindow::ShowText(std::string_view text) {
  QString shown = Latin1Text(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text_->setPlainText(shown);
}

std::string FileEditorWindow::Text() const { return text_->toPlainText().toLatin1().toStdString(); }

void FileEditorWindow::btnSave_Click() { Save(Text()); }

void FileEditorWindow::btnQuit_Click() { close(); }

}  // namespace kairotex
