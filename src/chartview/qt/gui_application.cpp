#include "chartview/qt/gui_application.h"

#include <QGuiApplication>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace kairotex {
namespace {

bool EnvironmentSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

QtMessageHandler previous_handler = nullptr;

// Without a login session there is no runtime folder; Qt says so on every
// start although nothing here needs one. The offscreen platform says on every
// resize and raise that it has no window manager to tell.
bool Harmless(const QString& message) {
  return message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR")) ||
         message == QStringLiteral("This plugin does not support propagateSizeHints()") ||
         message == QStringLiteral("This plugin does not support raise()");
}

void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && Harmless(message)) return;
  if (previous_handler != nullptr) {
    previous_handler(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
  }
}

}  // namespace

void InstallQuietMessageHandler() {
  if (previous_handler != nullptr) return;
  previous_handler = qInstallMessageHandler(QuietMessages);
}

void EnsureGuiApplication() {
  EnsureGuiApplication([](int& argc, char** argv) { return new QGuiApplication(argc, argv); });
}

void EnsureGuiApplication(MakeGuiApplication make) {
  if (QGuiApplication::instance() != nullptr) return;
  if (!EnvironmentSet("QT_QPA_PLATFORM") && !EnvironmentSet("DISPLAY") &&
      !EnvironmentSet("WAYLAND_DISPLAY")) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
  }
  InstallQuietMessageHandler();
  // Qt keeps references to argc and argv for the application's lifetime.
  static int argc = 1;
  static char name[] = "kairotex";
  static char* argv[] = {name, nullptr};
  // Kept until exit on purpose: Qt's fonts and platform plugin must outlive
  // every painter, and tearing them down during static destruction is unsafe.
  static QGuiApplication* const application = make(argc, argv);
  (void)application;
}

}  // namespace kairotex
