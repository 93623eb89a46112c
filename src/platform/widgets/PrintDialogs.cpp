#include "platform/widgets/PrintDialogs.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace brivane::platform {

namespace {
bool scripted = false;
QString outputFile;
QList<bool> answers;
QStringList asked;

void printToFile(QPrinter& printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(
        outputFile.isEmpty() ? QDir::temp().filePath(QStringLiteral("brivane-print.pdf")) : outputFile);
}
} // namespace

void PrintDialogs::preview(QWidget* parent, QPrinter& printer, const Paint& paint)
{
    if (scripted) {
        asked << QStringLiteral("Preview");
        printToFile(printer);
        paint(&printer);
        return;
    }
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.resize(1000, 760);
    dialog.exec();
}

bool PrintDialogs::choosePrinter(QWidget* parent, QPrinter& printer)
{
    if (scripted) {
        asked << QStringLiteral("Print");
        printToFile(printer);
        return answers.isEmpty() || answers.takeFirst();
    }
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void PrintDialogs::setScripted(bool value)
{
    scripted = value;
}

bool PrintDialogs::isScripted()
{
    return scripted;
}

void PrintDialogs::setOutputFile(const QString& path)
{
    outputFile = path;
}

void PrintDialogs::setNextAnswers(const QList<bool>& accepted)
{
    answers = accepted;
}

QStringList PrintDialogs::requests()
{
    return asked;
}

void PrintDialogs::clearRequests()
{
    asked.clear();
}

} // namespace brivane::platform
