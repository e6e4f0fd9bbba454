#include "mainwindow/qt/aspect_window.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "mainwindow/qt/file_editor_window.h"

namespace kairotex {
namespace {

constexpr int kGlyphPoints = 12;

}  // namespace

AspectWindow::AspectWindow(const std::string& glyph_text, const QString& glyph_family,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), text_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("CWAspect"));
  setWindowTitle(QStringLiteral("Aspects"));
  setAttribute(Qt::WA_DeleteOnClose);
  text_->setObjectName(QStringLiteral("Text1"));
  text_->setReadOnly(true);
  text_->setFont(QFont(glyph_family, kGlyphPoints));
  QString shown = Latin1Text(glyph_text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text_->setPlainText(shown);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  resize(220, 480);
}

QString AspectWindow::Text() const { return text_->toPlainText(); }

}  // namespace kairotex
