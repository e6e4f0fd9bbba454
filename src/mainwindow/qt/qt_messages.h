// The program's messages as message boxes.
#pragma once

#include <QPointer>
#include <QWidget>

#include "chart/platform.h"

namespace kairotex {

class QtMessages : public MessageSink {
 public:
  // Boxes stand over `parent` once it is set (none before the main window).
  void SetParent(QWidget* parent) { parent_ = parent; }
  void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace kairotex
