// The TITLE window shown at start-up when option 48 is 1.
#pragma once

#include <QDialog>

namespace kairotex {

class TitleWindow : public QDialog {
  Q_OBJECT

 public:
  explicit TitleWindow(QWidget* parent = nullptr);
};

}  // namespace kairotex
