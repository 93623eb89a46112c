#include "notes/widgets/NoteTools.h"

#include "notes/ExternalProgram.h"
#include "notes/NoteMessages.h"
#include "notes/NoteStats.h"
#include "notes/NoteStore.h"
#include "notes/NoteText.h"
#include "notes/TextExport.h"
#include "notes/TextImport.h"
#include "documents/widgets/PrintPath.h"
#include "platform/Shell.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QProgressDialog>
#include <QSaveFile>
#include <QTextDocument>

#include <functional>

using namespace Qt::StringLiterals;

namespace brivane::notes::widgets {

using platform::MessageBox;

namespace {

const QString kTextFilter = u"Text file (*.txt);;All files (*)"_s;

// The wait cursor for the lifetime of the object.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    Q_DISABLE_COPY_MOVE(BusyCursor)
};

// A name usable as a file name: the characters a folder path would split on
// become "_".
QString fileNameFrom(const QString& title, const QString& fallback)
{
    QString name = title.trimmed();
    name.replace(u'/', u'_').replace(u'\\', u'_');
    return name.isEmpty() ? fallback : name;
}

} // namespace

std::optional<qint64> importTextFile(QWidget* parent, const QSqlDatabase& db)
{
    const QString path = platform::FileDialog::openFile(parent, u"Import note"_s,
                                                        platform::Shell::desktopFolder(), kTextFilter);
    if (path.isEmpty())
        return std::nullopt;

    TextFileLoader reader(path);
    TextFileLoader::State state = reader.start();
    QProgressDialog progress(u"Import note"_s, u"Cancel"_s, 0, 1000, parent);
    progress.setObjectName(u"ProgressDialog_Import"_s);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    {
        BusyCursor busy;
        while (state == TextFileLoader::State::Reading) {
            state = reader.readChunk();
            if (reader.size() > 0)
                progress.setValue(int(reader.bytesRead() * 1000 / reader.size()));
            if (progress.wasCanceled())
                return std::nullopt;
        }
    }
    progress.close();
    if (state != TextFileLoader::State::Done) {
        MessageBox::warning(parent, notTextFileMessage());
        return std::nullopt;
    }
    QString error;
    qint64 key = -1;
    {
        BusyCursor busy;
        key = NoteStore(db).insertImported(importTitle(path), reader.text(), &error);
    }
    if (key < 0) {
        MessageBox::warning(parent, error);
        return std::nullopt;
    }
    return key;
}

void exportNoteText(QWidget* parent, const QString& title, const QString& storedText)
{
    const QString proposed = QDir(platform::Shell::desktopFolder()).filePath(fileNameFrom(title, u"note"_s));
    const QString chosen = platform::FileDialog::saveFile(parent, u"Export note"_s, proposed, kTextFilter);
    if (chosen.isEmpty())
        return;
    const QString path = exportFileName(chosen);
    if (QFileInfo::exists(path) &&
        MessageBox::question(parent, overwriteQuestion(QDir::toNativeSeparators(path))) !=
            MessageBox::Answer::Yes)
        return;
    QString error;
    BusyCursor busy;
    if (!exportText(path, storedText, &error))
        MessageBox::warning(parent,
                            u"I can not write \""_s + QDir::toNativeSeparators(path) + u"\": "_s + error);
}

void printNoteText(QWidget* parent, const QString& title, const QString& plainText, const QFont& font)
{
    // Each text line starts a printed line, in the editor's font.
    auto* anchor = parent->findChild<QWidget*>(u"SpeedButtonPrintNote"_s);
    documents::widgets::popupPrintMenu(anchor ? anchor : parent, [=] {
        return documents::textPrintable(fileNameFrom(title, u"note"_s), plainText, font);
    });
}

void printPicture(QWidget* parent, const QString& proposedName, const QPixmap& picture)
{
    auto* anchor = parent->findChild<QWidget*>(u"SpeedButtonPrint"_s);
    documents::widgets::popupPrintMenu(anchor ? anchor : parent, [=] {
        return documents::picturePrintable(proposedName, picture.toImage());
    });
}

void showFastStats(QWidget* parent, const QString& plainText)
{
    MessageBox::information(parent, NoteStats::of(textLines(plainText)).fastText());
}

void showAdvancedStats(QWidget* parent, const QString& plainText)
{
    const QStringList lines = textLines(plainText);
    if (lines.size() > NoteStats::kAdvancedQuestionLines &&
        MessageBox::question(parent, NoteStats::advancedQuestion()) != MessageBox::Answer::Yes)
        return;
    NoteStats stats;
    {
        BusyCursor busy;
        stats = NoteStats::of(lines);
    }
    MessageBox::information(parent, stats.advancedText());
}

void startFirstInstalled(QWidget* parent, const QStringList& candidates)
{
    const QString program = findInstalledProgram(candidates);
    if (program.isEmpty()) {
        MessageBox::information(parent, u"I can not find any of these programs: "_s +
                                            candidates.join(u", "_s) +
                                            u".\rInstall one of them to use this button."_s);
        return;
    }
    if (!ProgramLauncher::start(program))
        MessageBox::warning(parent, u"I can not start \""_s + program + u"\"."_s);
}

} // namespace brivane::notes::widgets
