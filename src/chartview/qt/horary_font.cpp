#include "chartview/qt/horary_font.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QStringList>
#include <map>

namespace kairotex {
namespace {

HoraryFontLoad AddFontFile(const QString& path) {
  if (!QFileInfo::exists(path)) return {{}, path.toStdString() + ": no such file"};
  const int id = QFontDatabase::addApplicationFont(path);
  if (id < 0) return {{}, path.toStdString() + ": not a font Qt can read"};
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) return {{}, path.toStdString() + ": the file holds no font family"};
  // The file's family name decides what to ask for; prefer the HORARY face
  // should the file hold more than one.
  for (const QString& family : families) {
    if (family.compare(kHoraryFaceName, Qt::CaseInsensitive) == 0) return {family, {}, id};
  }
  return {families.front(), {}, id};
}

// The application's font list is process-wide; adding a file twice would
// register its family twice.
std::map<QString, HoraryFontLoad>& LoadedFonts() {
  static std::map<QString, HoraryFontLoad> loaded;
  return loaded;
}

QString FontPath(const std::string& program_dir) {
  return QString::fromStdString(program_dir + "/" + kHoraryFontFileName);
}

}  // namespace

HoraryFontLoad LoadHoraryFont(const std::string& program_dir) {
  const QString path = FontPath(program_dir);
  auto& loaded = LoadedFonts();
  if (auto it = loaded.find(path); it != loaded.end()) return it->second;
  HoraryFontLoad result = AddFontFile(path);
  if (result.ok()) loaded.emplace(path, result);
  return result;
}

}  // namespace kairotex

namespace kairotex {

void ReleaseHoraryFont(const std::string& program_dir) {
  auto& loaded = LoadedFonts();
  const auto it = loaded.find(FontPath(program_dir));
  if (it == loaded.end()) return;
  QFontDatabase::removeApplicationFont(it->second.font_id);
  loaded.erase(it);
}

}  // namespace kairotex
