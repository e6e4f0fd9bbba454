#include "mainwindow/qt/about_window.h"

#include <QPainter>

namespace kairotex {
namespace {

// The window's own coordinates are twips, as the name's place is given.
constexpr double kTwipsPerPixel = 15.0;
constexpr int kShadowCopies = 100;

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("About"));
  setWindowTitle(QStringLiteral("About KAIROTEX"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(360, 140);
}

// "KAIROTEX" at (390, 75), a hundred copies each one unit further right and
// down for the shadow, then once more in yellow on top.
void AboutWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(0, 0, 128));
  QFont font = painter.font();
  font.setPointSize(24);
  font.setBold(true);
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  const QPointF start(390 / kTwipsPerPixel, 75 / kTwipsPerPixel + metrics.ascent());
  painter.setPen(QColor(0, 0, 0));
  for (int i = 0; i < kShadowCopies; ++i) {
    painter.drawText(start + QPointF(i / kTwipsPerPixel, i / kTwipsPerPixel),
                     QStringLiteral("KAIROTEX"));
  }
  painter.setPen(QColor(255, 255, 0));
  painter.drawText(start, QStringLiteral("KAIROTEX"));
  font.setPointSize(9);
  font.setBold(false);
  painter.setFont(font);
  painter.setPen(QColor(255, 255, 255));
  painter.drawText(QRectF(0, height() - 40, width(), 36), Qt::AlignCenter,
                   QStringLiteral("Electional and horary astrology\nVersion 0.1.0"));
}

void AboutWindow::mousePressEvent(QMouseEvent*) { close(); }

}  // namespace kairotex
