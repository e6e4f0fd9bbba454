// The file chooser "Select a File" for the orb files: Qt's own file dialog
// (so that its buttons read Select and Cancel on every platform), starting
// in the program folder, listing the *.ORB files.
#pragma once

#include <string>

class QWidget;

namespace kairotex {

// The chosen file's full path; "" when the user cancels.
std::string ChooseOrbFile(QWidget* parent, const std::string& folder,
                          const std::string& preselected);

}  // namespace kairotex
