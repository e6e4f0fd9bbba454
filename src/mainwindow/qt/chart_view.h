// The main window's drawing area: the chartwheel of the program context,
// redrawn from scratch on every paint.
#pragma once

#include <QString>
#include <QWidget>

#include "chartview/chartwheel.h"
#include "mainwindow/program_context.h"

namespace kairotex {

class ChartView : public QWidget {
  Q_OBJECT

 public:
  ChartView(ProgramContext& context, QString glyph_family, QWidget* parent = nullptr);

  // The inputs of the wheel as the window shows it now.
  WheelInputs Inputs(bool print_background = false) const;
  const QString& glyph_family() const { return glyph_family_; }
  // Paints the count: tests and the start-up measurement read it.
  int paint_count() const { return paint_count_; }

 signals:
  void Painted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  ProgramContext& context_;
  QString glyph_family_;
  int paint_count_ = 0;
};

}  // namespace kairotex
