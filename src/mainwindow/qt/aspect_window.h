// The aspect window "Aspects": the aspects and parallels of the chart on
// screen in the glyphs of the HORARY font, read-only. The list is built when
// the window opens; every new chart closes it.
#pragma once

#include <QWidget>
#include <string>

class QPlainTextEdit;

namespace kairotex {

class AspectWindow : public QWidget {
  Q_OBJECT

 public:
  AspectWindow(const std::string& glyph_text, const QString& glyph_family,
               QWidget* parent = nullptr);

  QString Text() const;

 private:
  QPlainTextEdit* text_;
};

}  // namespace kairotex
