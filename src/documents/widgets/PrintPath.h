#pragma once

#include "documents/ReportPainter.h"

#include <functional>

class QWidget;

namespace brivane::documents::widgets {

enum class PrintAction { Preview, Print, SavePdf };

// The one way the program prints: a preview window, the printer dialog
// followed by a "Printing progress" window, or a PDF file the user names.
// A failure is reported in a warning box naming the file and the reason.
void runPrintAction(QWidget* parent, PrintAction action, const Printable& printable);

// Pops up the menu "Preview", "Print", "Save as PDF", "Cancel" under
// `anchor` (a button) or at the mouse; the chosen entry runs on what
// `make` returns, built only then.
void popupPrintMenu(QWidget* anchor, const std::function<Printable()>& make);

} // namespace brivane::documents::widgets
