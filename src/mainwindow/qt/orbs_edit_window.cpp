#include "mainwindow/qt/orbs_edit_window.h"

#include "mainwindow/orb_commands.h"

namespace kairotex {

OrbsEditWindow::OrbsEditWindow(ProgramContext& context, QWidget* parent)
    : FileEditorWindow(QStringLiteral("OrbsEdit"), parent),
      context_(context),
      path_(context.chart.CurrentOrbFile) {
  setWindowTitle(Latin1Text(OrbEditorCaption(context)));
}

bool OrbsEditWindow::LoadText() {
  const std::optional<std::string> text = ReadOrbEditorText(context_);
  if (!text) return false;
  ShowText(*text);
  return true;
}

void OrbsEditWindow::Save(std::string_view text) { SaveOrbEditorText(context_, path_, text); }

}  // namespace kairotex
