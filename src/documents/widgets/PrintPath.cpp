#include "documents/widgets/PrintPath.h"

#include "platform/Shell.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/PrintDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
#include <QProgressDialog>

namespace brivane::documents::widgets {

namespace {

void setUpPrinter(QPrinter& printer, const Printable& printable)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(printable.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(printable.name);
}

void printWithProgress(QWidget* parent, QPrinter& printer, const Printable& printable)
{
    QProgressDialog progress(QStringLiteral("Printing progress"), QStringLiteral("Cancel"), 0, 1, parent);
    progress.setWindowTitle(QStringLiteral("Printing progress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const bool done = printable.paint(
        printer,
        [&progress](int page, int count) {
            progress.setMaximum(count);
            progress.setValue(page - 1);
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return !progress.wasCanceled();
        },
        true);
    progress.setValue(progress.maximum());
    if (!done && !progress.wasCanceled())
        platform::MessageBox::warning(parent, QStringLiteral("The printer could not print \"") +
                                                  printable.name + QStringLiteral("\"."));
}

void savePdf(QWidget* parent, const Printable& printable)
{
    QString name = platform::FileDialog::saveFile(
        parent, QStringLiteral("Save as PDF"),
        QDir(platform::Shell::desktopFolder()).filePath(printable.name + QStringLiteral(".pdf")),
        QStringLiteral("PDF file (*.pdf)"));
    if (name.isEmpty())
        return;
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".pdf");
    QString error;
    if (!writePdf(printable, name, &error))
        platform::MessageBox::warning(parent, error);
}

} // namespace

void runPrintAction(QWidget* parent, PrintAction action, const Printable& printable)
{
    if (action == PrintAction::SavePdf) {
        savePdf(parent, printable);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, printable);
    if (action == PrintAction::Preview) {
        platform::PrintDialogs::preview(
            parent, printer, [&printable](QPrinter* target) { printable.paint(*target, {}, true); });
        return;
    }
    if (platform::PrintDialogs::choosePrinter(parent, printer))
        printWithProgress(parent, printer, printable);
}

void popupPrintMenu(QWidget* anchor, const std::function<Printable()>& make)
{
    auto* menu = new QMenu(anchor);
    menu->setObjectName(QStringLiteral("PopupMenuPrint"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    struct Entry
    {
        const char* caption;
        const char* name;
        PrintAction action;
    };
    const Entry entries[] = {{"Preview", "MenuItem_Preview", PrintAction::Preview},
                             {"Print", "MenuItem_Print", PrintAction::Print},
                             {"Save as PDF", "MenuItem_SavePdf", PrintAction::SavePdf}};
    for (const auto& [caption, name, action] : entries) {
        QAction* entry = menu->addAction(QLatin1String(caption));
        entry->setObjectName(QLatin1String(name));
        // The menu closes first: a preview or printer dialog must not open under it.
        QObject::connect(entry, &QAction::triggered, anchor, [menu, anchor, make, action = action] {
            menu->close();
            runPrintAction(anchor->window(), action, make());
        });
    }
    menu->addSeparator();
    QAction* cancel = menu->addAction(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("MenuItem_Cancel"));
    QObject::connect(cancel, &QAction::triggered, menu, &QMenu::close);
    const bool button = qobject_cast<QAbstractButton*>(anchor) != nullptr;
    menu->popup(button ? anchor->mapToGlobal(QPoint(0, anchor->height())) : QCursor::pos());
}

} // namespace brivane::documents::widgets
