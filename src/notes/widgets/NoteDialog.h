#pragma once

#include "ui/EntryForm.h"

#include <QColor>
#include <QDialog>
#include <QSqlDatabase>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace brivane::notes::widgets {

// What a note dialog starts with.
struct NoteDialogSetup
{
    // Modify: the note the dialog writes.
    qint64 key = -1;
    QString title;
    QString text;
    QString group;
    // The note group names of the tab's filter box.
    QStringList groupNames;
    // The settings' scale percentage (100 to 150) and the Notes section colour.
    int scalePercent = 100;
    QColor color = QColor(0xAE, 0xAE, 0xAE);
};

// The add dialog ("Insert note") and the modify dialog ("Modify note"):
// title, text (with a full-size text area) and group. The dialog never
// blocks its caller: show it with open() and re-run the list on noteSaved.
// "Insert" saves and stays open for the next note (title and text emptied,
// group kept); "Insert and close" and "Modify" save and close; "Close" and
// Esc close without saving. A failed save is reported and keeps the dialog
// open with everything typed.
class NoteDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Mode { Add, Modify };

    NoteDialog(Mode mode, QSqlDatabase db, const NoteDialogSetup& setup, QWidget* parent = nullptr);

    Mode mode() const { return m_mode; }
    // Swaps the fields for the full-size text area and back; both areas
    // keep the same text.
    void showBigText(bool big);
    bool isBigTextShown() const;

Q_SIGNALS:
    // A note was inserted or updated: its key and the group it was given.
    void noteSaved(qint64 key, const QString& group);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildFields(const NoteDialogSetup& setup);
    QWidget* buildBigText();
    QString currentText() const;
    bool save();
    void clearForNext();
    void showHint();
    void print();

    Mode m_mode;
    QSqlDatabase m_db;
    qint64 m_key;
    ui::EntryForm m_form;
    QStackedWidget* m_pages = nullptr;
    QLineEdit* m_title = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QPlainTextEdit* m_bigText = nullptr;
    QComboBox* m_group = nullptr;
};

} // namespace brivane::notes::widgets
