#include "mainwindow/qt/orb_file_chooser.h"

#include <QFileDialog>
#include <QFileInfo>

namespace kairotex {

std::string ChooseOrbFile(QWidget* parent, const std::string& folder,
                          const std::string& preselected) {
  QFileDialog dialog(parent, QStringLiteral("Select a File"), QString::fromStdString(folder));
  dialog.setObjectName(QStringLiteral("SelectFIle"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // The file systems here tell case apart; the delivered orb files are upper case.
  dialog.setNameFilter(QStringLiteral("Orb files (*.ORB *.orb)"));
  dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Select"));
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Cancel"));
  dialog.selectFile(QFileInfo(QString::fromStdString(preselected)).fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace kairotex
