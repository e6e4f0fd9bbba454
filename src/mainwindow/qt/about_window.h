// The About window: the program's name with its shadow; a click closes it.
#pragma once

#include <QWidget>

namespace kairotex {

class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  explicit AboutWindow(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace kairotex
