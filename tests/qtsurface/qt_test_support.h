// What the Qt surface tests share: the application with the glyph font,
// pixels, and the wheel command for the reference moment.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdlib>
#include <string>
#include <vector>

#include "chartview/drawing_surface.h"
#include "chartview/qt/gui_application.h"
#include "chartview/qt/horary_font.h"
#include "cli/cli_run.h"
#include "cli/wheel_command.h"
#include "test_paths.h"

namespace kairotex::test {

// The application (offscreen without a display) and the delivered glyph
// font; returns the font's family, empty when it cannot be loaded.
inline QString StartQtWithGlyphFont() {
  EnsureGuiApplication();
  return LoadHoraryFont(DataDir()).family;
}

// True when the pixel has the colour within `tolerance` in every channel.
inline bool PixelIs(const QImage& image, int x, int y, Rgb colour, int tolerance = 0) {
  const QColor pixel = image.pixelColor(x, y);
  return std::abs(pixel.red() - colour.r) <= tolerance &&
         std::abs(pixel.green() - colour.g) <= tolerance &&
         std::abs(pixel.blue() - colour.b) <= tolerance;
}

// kairotex-cli wheel for 21 March 1990, 6.15 P.M., zone 5, 73w59 40n45, Placidus.
inline cli::CliRun RunWheel(std::vector<std::string> args,
                            const std::string& data_dir = DataDir()) {
  args.insert(args.end(), {"--date", "1990-03-21", "--time", "6.15", "--pm", "--zone", "5", "--lon",
                           "73w59", "--lat", "40n45", "--house", "P", "--name", "Reference"});
  return cli::RunCommand("wheel", args, data_dir, cli::RunWheel);
}

inline QImage ImageAt(const std::string& path) {
  return QImage(QString::fromStdString(path));
}

}  // namespace kairotex::test
