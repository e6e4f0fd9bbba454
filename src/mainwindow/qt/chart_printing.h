// The Print command's pages on a printer: the full page drawn with the
// printer options, or the half page, the window's wheel on a white ground.
#pragma once

#include <QPrinter>
#include <QString>

#include "chart/platform.h"
#include "chartview/chartwheel.h"
#include "chartview/qt/wheel_export.h"

class QWidget;

namespace kairotex {

inline constexpr const char* kPrintQuestionTitle = "Full page or half page chartwheel";
inline constexpr const char* kPrintQuestionText =
    "Click 'YES' for full page chartwheel. Click 'NO' for half page chartwheel.";

enum class PrintChoice { kFullPage, kHalfPage, kCancel };

// The question with Yes, No and Cancel (the default).
PrintChoice AskPrintChoice(QWidget* parent);

// The platform's print dialog. Where no printer is installed it offers
// printing to a PDF file, so that the command always gives something.
bool ChoosePrinter(QPrinter& printer, QWidget* parent);

// Prints one page; false when the printer could not begin.
bool PrintChartPage(QPrinter& printer, PdfPage page, const WheelInputs& inputs,
                    const QString& glyph_family, double screen_drawing_width,
                    MessageSink& messages);

}  // namespace kairotex
