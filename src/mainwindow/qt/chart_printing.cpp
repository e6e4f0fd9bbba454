#include "mainwindow/qt/chart_printing.h"

#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>

namespace kairotex {

PrintChoice AskPrintChoice(QWidget* parent) {
  QMessageBox box(QMessageBox::Question, QString::fromLatin1(kPrintQuestionTitle),
                  QString::fromLatin1(kPrintQuestionText),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes: return PrintChoice::kFullPage;
    case QMessageBox::No: return PrintChoice::kHalfPage;
    default: return PrintChoice::kCancel;
  }
}

bool ChoosePrinter(QPrinter& printer, QWidget* parent) {
  if (QPrinterInfo::availablePrinterNames().isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir::home().filePath(QStringLiteral("chartwheel.pdf")));
  }
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Print chartwheel"));
  return dialog.exec() == QDialog::Accepted;
}

bool PrintChartPage(QPrinter& printer, PdfPage page, const WheelInputs& inputs,
                    const QString& glyph_family, double screen_drawing_width,
                    MessageSink& messages) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRectF printable(0, 0, printer.width(), printer.height());
  PaintWheelPage(painter, printable, page, inputs, glyph_family, screen_drawing_width, messages);
  return painter.end();
}

}  // namespace kairotex
