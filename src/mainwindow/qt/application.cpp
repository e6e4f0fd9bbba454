#include "mainwindow/qt/application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "chartview/qt/gui_application.h"
#include "chartview/qt/horary_font.h"
#include "mainwindow/program_start.h"
#include "mainwindow/qt/busy_cursor.h"
#include "mainwindow/qt/chart_view.h"
#include "mainwindow/qt/main_window.h"
#include "mainwindow/qt/qt_messages.h"
#include "mainwindow/qt/single_copy.h"
#include "settings/data_file_error.h"
#include "settings/data_folders.h"

namespace kairotex {
namespace {

constexpr int kExitRefused = 1;
constexpr int kExitDataFile = 3;
constexpr int kExitUsage = 2;

struct WindowProgramFlags {
  std::string data_dir, ephemeris_dir;
  std::unique_ptr<Clock> clock;
  bool exit_after_first_paint = false;
};

// The flags of the command line; false (with the reason on standard error)
// when they cannot be read.
bool ReadFlags(const QApplication& app, WindowProgramFlags& flags) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("KAIROTEX: electional and horary astrology"));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption data_dir(
      QStringLiteral("data-dir"),
      QStringLiteral("Read and write the settings and data files in DIR instead of the user's "
                     "data folder."),
      QStringLiteral("DIR"));
  const QCommandLineOption fixed_clock(
      QStringLiteral("fixed-clock"),
      QStringLiteral("Keep the clock at this universal time, YYYY-MM-DDTHH:MM:SS (for tests and "
                     "demonstrations)."),
      QStringLiteral("TIME"));
  const QCommandLineOption first_paint(
      QStringLiteral("exit-after-first-paint"),
      QStringLiteral("End as soon as the first chart is painted (to measure start-up)."));
  const QCommandLineOption ephemeris_dir(
      QStringLiteral("ephemeris-dir"),
      QStringLiteral("Read the precise ephemeris files from DIR instead of the system's folder."),
      QStringLiteral("DIR"));
  parser.addOptions({data_dir, fixed_clock, first_paint, ephemeris_dir});
  parser.process(app);
  flags.data_dir = parser.value(data_dir).toStdString();
  flags.ephemeris_dir = parser.value(ephemeris_dir).toStdString();
  flags.exit_after_first_paint = parser.isSet(first_paint);
  if (parser.isSet(fixed_clock)) {
    const QDateTime when = QDateTime::fromString(parser.value(fixed_clock), Qt::ISODate);
    if (!when.isValid()) {
      std::fprintf(stderr, "kairotex: --fixed-clock must be YYYY-MM-DDTHH:MM:SS\n");
      return false;
    }
    const LocalDateTime moment{when.date().year(), when.date().month(),  when.date().day(),
                               when.time().hour(), when.time().minute(), when.time().second()};
    flags.clock = std::make_unique<FixedClock>(moment, 0.0);
  } else {
    flags.clock = std::make_unique<SystemClock>();
  }
  return true;
}

ScreenClass ScreenClassOfPrimaryScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return ScreenClassFor(1024, 15);
  return ScreenClassFor(screen->geometry().width(),
                        TwipsPerPixelForDpi(screen->logicalDotsPerInch()));
}

}  // namespace

int RunWindowProgram(int argc, char** argv) {
  InstallQuietMessageHandler();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("kairotex"));
  QApplication::setApplicationVersion(QStringLiteral("0.1.0"));
  QApplication::setDesktopFileName(QStringLiteral("org.kairotex.kairotex"));

  WindowProgramFlags flags;
  if (!ReadFlags(app, flags)) return kExitUsage;
  QtMessages messages;

  // The program folder: the user's data folder, filled on first start.
  std::string warning;
  const std::string program_dir = ResolveProgramDir(flags.data_dir, &warning);
  if (!warning.empty()) {
    std::fprintf(stderr, "kairotex: warning: %s; reading %s\n", warning.c_str(),
                 program_dir.c_str());
  }

  // One copy at a time.
  SingleCopyLock lock(program_dir);
  if (lock.Acquire() == SingleCopyLock::Result::kHeldByAnotherCopy) {
    messages.ShowMessage(kAlreadyRunningMessage, kAlreadyRunningTitle, MessageIcon::kCritical);
    return kExitRefused;
  }

  ProgramContext context(*flags.clock, messages);
  auto busy = std::make_unique<BusyCursor>();
  // The glyph font for the program's lifetime; without it the chart is drawn
  // in the default font.
  const HoraryFontLoad font = LoadHoraryFont(program_dir);
  if (!font.ok()) {
    messages.ShowMessage("The glyph font could not be installed: " + font.error +
                             ". The chart is drawn in the default font.",
                         kWarningTitle, MessageIcon::kExclamation);
  }
  ReadStartupSettings(context, program_dir, ReadRegionalFormat(), "MYNAME");
  if (!flags.ephemeris_dir.empty()) context.ephemeris_folder = flags.ephemeris_dir;
  context.screen = ScreenClassOfPrimaryScreen();
  try {
    CastFirstChart(context);
  } catch (const DataFileError& e) {
    busy.reset();
    messages.ShowMessage(std::string("KAIROTEX cannot start. ") + e.what(), kWarningTitle,
                         MessageIcon::kCritical);
    return kExitDataFile;
  }

  MainWindow window(context, font.family);
  messages.SetParent(&window);
  window.on_shutdown = [program_dir] { ReleaseHoraryFont(program_dir); };
  if (flags.exit_after_first_paint) {
    QObject::connect(window.chart_view(), &ChartView::Painted, &app,
                     [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
  }
  window.ShowAtStartup();
  busy.reset();
  return QApplication::exec();
}

}  // namespace kairotex
