#include "mainwindow/qt/chart_view.h"

#include <QPainter>
#include <QResizeEvent>

#include "chartview/qt/device_scale.h"
#include "chartview/qt/wheel_export.h"

namespace kairotex {

ChartView::ChartView(ProgramContext& context, QString glyph_family, QWidget* parent)
    : QWidget(parent), context_(context), glyph_family_(std::move(glyph_family)) {
  setObjectName(QStringLiteral("ChartView"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(320, 240);
}

WheelInputs ChartView::Inputs(bool print_background) const {
  return {context_.chart,            context_.program.options, context_.program.tables,
          context_.window.TypeChart, context_.chart_exists,    print_background};
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintWindowWheel(painter, QRectF(rect()), Inputs(), glyph_family_);
  ++paint_count_;
  emit Painted();
}

// The drawing scale follows the window: saved at exit as StartScale.
void ChartView::resizeEvent(QResizeEvent* event) {
  const DrawingSize drawing = WindowDrawingSize(event->size().width(), event->size().height());
  context_.window.StartScale = StartScaleForWindow(drawing.width, drawing.height);
  QWidget::resizeEvent(event);
}

}  // namespace kairotex
