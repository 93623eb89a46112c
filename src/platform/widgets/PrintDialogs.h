#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QWidget;

namespace brivane::platform {

// The print preview window and the printer dialog. Scripted in tests:
// nothing is shown, each request is recorded, the printer writes a PDF file
// (the scripted output file, or a temporary one) and the printer dialog
// takes the next scripted answer (accepted when none is left).
class PrintDialogs
{
public:
    using Paint = std::function<void(QPrinter* printer)>;

    // Shows the pages `paint` draws in a preview window, from which the
    // user may print them.
    static void preview(QWidget* parent, QPrinter& printer, const Paint& paint);
    // Lets the user choose and set up the printer; false when cancelled.
    static bool choosePrinter(QWidget* parent, QPrinter& printer);

    static void setScripted(bool scripted);
    static bool isScripted();
    static void setOutputFile(const QString& path);
    static void setNextAnswers(const QList<bool>& accepted);
    // "Preview" and "Print" in the order they were asked for.
    static QStringList requests();
    static void clearRequests();
};

} // namespace brivane::platform
