#include "mainwindow/qt/title_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kairotex {

TitleWindow::TitleWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TITLE"));
  setWindowTitle(QStringLiteral("KAIROTEX"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(true);
  auto* notice = new QLabel(
      QStringLiteral("<h2>KAIROTEX</h2>"
                     "<p>Electional and horary astrology</p>"
                     "<p>Version 0.1.0<br>Free software under the GNU Affero General Public "
                     "License,<br>version 3 or later: see Help &gt; License Agreement.</p>"),
      this);
  notice->setAlignment(Qt::AlignCenter);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(notice);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}

}  // namespace kairotex
