// The process's Qt application, which fonts and painting need even when no
// window is ever shown.
#pragma once

class QGuiApplication;

namespace kairotex {

// Creates the QGuiApplication when none exists yet. Without a display
// (neither DISPLAY nor WAYLAND_DISPLAY set) and without QT_QPA_PLATFORM it
// chooses the offscreen platform, so that images are drawn on machines with
// no window system. The application lives until the process ends.
void EnsureGuiApplication();

// The same with an application of the caller's kind (a QApplication where
// widgets are shown), made by `make` from the process's argc and argv.
using MakeGuiApplication = QGuiApplication* (*)(int& argc, char** argv);
void EnsureGuiApplication(MakeGuiApplication make);

// Drops Qt's notice that there is no runtime folder (a machine without a
// login session), which nothing here needs; other messages pass on.
void InstallQuietMessageHandler();

}  // namespace kairotex
