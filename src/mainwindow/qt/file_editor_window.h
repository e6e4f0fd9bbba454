// A small editor of one text file: the whole file in a fixed-pitch text box,
// Save and Quit. The options editor and the orb editor are made of it.
#pragma once

#include <QWidget>
#include <string>
#include <string_view>

class QHBoxLayout;
class QPlainTextEdit;

namespace kairotex {

class FileEditorWindow : public QWidget {
  Q_OBJECT

 public:
  FileEditorWindow(const QString& object_name, QWidget* parent);

  // Shows the file's text (CR LF line ends) in the box.
  void ShowText(std::string_view text);
  // The box's text as Latin-1 bytes, one "\n" a line.
  std::string Text() const;

 public slots:
  void btnSave_Click();
  void btnQuit_Click();

 protected:
  // What Save does with the text; the window stays open.
  virtual void Save(std::string_view text) = 0;
  // Where a window puts buttons of its own, right of Quit.
  QHBoxLayout* buttons() const { return buttons_; }

 private:
  QPlainTextEdit* text_;
  QHBoxLayout* buttons_;
};

// Latin-1 text for the windows: the data files are 8-bit text.
QString Latin1Text(std::string_view text);

}  // namespace kairotex
