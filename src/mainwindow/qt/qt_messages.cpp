#include "mainwindow/qt/qt_messages.h"

#include <QMessageBox>

namespace kairotex {

void QtMessages::ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) {
  QMessageBox::Icon box_icon = QMessageBox::Information;
  if (icon == MessageIcon::kExclamation) box_icon = QMessageBox::Warning;
  if (icon == MessageIcon::kCritical) box_icon = QMessageBox::Critical;
  QMessageBox box(box_icon, QString::fromLatin1(title.data(), static_cast<int>(title.size())),
                  QString::fromLatin1(text.data(), static_cast<int>(text.size())), QMessageBox::Ok,
                  parent_.data());
  box.exec();
}

}  // namespace kairotex
