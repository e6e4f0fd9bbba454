#include "mainwindow/qt/print_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <fstream>
#include <iterator>

#include "mainwindow/qt/busy_cursor.h"
#include "mainwindow/qt/chart_printing.h"
#include "reports/print_pages.h"
#include "reports/saved_data_file.h"
#include "settings/program_dir.h"

namespace kairotex {
namespace {

QFont PrintFont(int points) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setFamilies({QStringLiteral("Courier New"), font.family()});
  font.setPointSize(points);
  return font;
}

std::vector<std::string> ReadPrintFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return PrintFileLines(std::string(std::istreambuf_iterator<char>(in), {}));
}

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

PrintWindow::PrintWindow(ProgramContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), content_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("PrntFile"));
  setWindowTitle(QStringLiteral("Data To Be Printed"));
  setAttribute(Qt::WA_DeleteOnClose);
  content_->setObjectName(QStringLiteral("txtContent"));
  content_->setLineWrapMode(QPlainTextEdit::NoWrap);
  content_->setFont(PrintFont(10));
  auto* hint = new QLabel(QString::fromLatin1(kPrintWindowHint), this);
  auto* print = new QPushButton(QStringLiteral("Print"), this);
  print->setObjectName(QStringLiteral("btnPrint"));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  connect(print, &QPushButton::clicked, this, &PrintWindow::btnPrint_Click);
  connect(cancel, &QPushButton::clicked, this, &PrintWindow::btnCancel_Click);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(hint, 1);
  buttons->addWidget(print);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(content_);
  layout->addLayout(buttons);
  resize(700, 500);

  QString text;
  for (const std::string& line :
       ReadPrintFile(ProgramPath(context_.program_dir(), kPrintFileName))) {
    text += Latin1(line);
    text += QLatin1Char('\n');
  }
  content_->setPlainText(text);
}

void PrintWindow::btnPrint_Click() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("KAIROTEX data"));
  const bool chosen = choose_printer ? choose_printer(printer) : ChoosePrinter(printer, this);
  if (!chosen) return;
  BusyCursor busy;
  // The edited text goes back to the print file, and the file is printed.
  const QByteArray edited = content_->toPlainText().toLatin1();
  const std::vector<std::string> edited_lines =
      PrintFileLines(std::string(edited.constData(), static_cast<size_t>(edited.size())));
  if (!WritePrintFile(context_.program_dir(), edited_lines,
                      static_cast<int>(edited_lines.size()) - 1, context_.messages)) {
    return;
  }
  if (!PrintLines(printer, ReadPrintFile(ProgramPath(context_.program_dir(), kPrintFileName)))) {
    context_.messages.ShowMessage("The printer could not be started.", kWarningTitle,
                                  MessageIcon::kExclamation);
    return;
  }
  close();
}

bool PrintWindow::PrintLines(QPrinter& printer, const std::vector<std::string>& lines) {
  const bool wide = IsWideText(lines, context_.program.options[51]);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setFont(PrintFont(PrintPointSize(wide)));
  const QFontMetricsF metrics = painter.fontMetrics();
  bool first = true;
  for (const std::vector<std::string>& page : PrintPages(lines, context_.program.options[49])) {
    if (!first) printer.newPage();
    first = false;
    double baseline = metrics.ascent();
    for (const std::string& line : page) {
      painter.drawText(QPointF(0, baseline), Latin1(line));
      baseline += metrics.lineSpacing();
    }
  }
  return painter.end();
}

void PrintWindow::btnCancel_Click() {
  close();
}

}  // namespace kairotex
