#include "notes/widgets/NoteDialog.h"

#include "notes/widgets/NoteTools.h"

#include "contacts/Groups.h"
#include "notes/NoteMessages.h"
#include "notes/NoteStore.h"
#include "notes/NoteText.h"
#include "platform/Clock.h"
#include "platform/widgets/MessageBox.h"
#include "ui/EntryForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace brivane::notes::widgets {

using platform::MessageBox;
using ui::formButton;

namespace {

// The tip of both text switches.
QString textSwitchHint()
{
    return u"Area note grande/normale"_s;
}

} // namespace

NoteDialog::NoteDialog(Mode mode, QSqlDatabase db, const NoteDialogSetup& setup, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_mode(mode),
      m_db(std::move(db)), m_key(mode == Mode::Modify ? setup.key : -1)
{
    const bool add = mode == Mode::Add;
    setObjectName(add ? u"TAggNoteForm"_s : u"TModNoteForm"_s);
    setWindowTitle(add ? u"Insert note"_s : u"Modify note"_s);
    m_form.fieldsPage = buildFields(setup);
    m_form.bigNotePage = buildBigText();
    m_form.buildButtons(mode == Mode::Modify, {u"SpeedButtonHint"_s, u"SpeedButtonPrint"_s, u"SpeedButton3"_s});
    m_form.connectButtons(this, {[this] { showHint(); }, [this] { print(); }, [this] { return save(); },
                                 [this] { clearForNext(); }});
    m_pages = ui::frameEntryDialog(this, windowTitle(), setup.color, setup.scalePercent, m_form);

    const QFontMetrics metrics(font());
    resize(qMax(460, metrics.horizontalAdvance(QLatin1Char('x')) * 70), metrics.height() * 22);
    m_title->setFocus();
}

QWidget* NoteDialog::buildFields(const NoteDialogSetup& setup)
{
    auto* page = new QWidget;
    page->setObjectName(u"Panel_Upper"_s);

    m_title = new QLineEdit(setup.title);
    m_title->setObjectName(u"Edit_nomefile"_s);
    m_title->setMaxLength(200);
    m_title->installEventFilter(this);

    m_group = new QComboBox;
    m_group->setObjectName(u"ComboBox_Note_Group"_s);
    m_group->setEditable(true);
    m_group->setInsertPolicy(QComboBox::NoInsert);
    m_group->addItems(setup.groupNames);
    m_group->setCurrentIndex(-1);
    m_group->setEditText(setup.group);
    m_group->lineEdit()->setMaxLength(50);
    m_group->lineEdit()->installEventFilter(this);
    m_group->setMinimumContentsLength(16);

    m_text = ui::formMemo(u"editor"_s);
    m_text->setPlainText(setup.text);
    auto* big = formButton(u"+"_s, u"SpeedButtonMemoBig"_s, textSwitchHint());
    big->setFixedWidth(big->sizeHint().height());
    connect(big, &QPushButton::clicked, this, [this] { showBigText(true); });

    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(u"Title"_s), 0, 0);
    layout->addWidget(m_title, 0, 1, 1, 2);
    layout->addWidget(new QLabel(u"Group"_s), 1, 0);
    layout->addWidget(m_group, 1, 1);
    layout->addWidget(new QLabel(u"Text"_s), 2, 0);
    layout->addWidget(big, 2, 2, Qt::AlignRight);
    layout->addWidget(m_text, 3, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1);
    return page;
}

QWidget* NoteDialog::buildBigText()
{
    const ui::NoteArea area = ui::fullSizeNotePage(u"Text"_s, textSwitchHint());
    m_bigText = area.memo;
    area.toggle->setFixedWidth(area.toggle->sizeHint().height());
    connect(area.toggle, &QPushButton::clicked, this, [this] { showBigText(false); });
    return area.page;
}

void NoteDialog::showBigText(bool big)
{
    ui::switchNotePage(m_pages, m_text, m_bigText, big);
}

bool NoteDialog::isBigTextShown() const
{
    return m_pages->currentIndex() == 1;
}

QString NoteDialog::currentText() const
{
    const QPlainTextEdit* shown = isBigTextShown() ? m_bigText : m_text;
    return toStoredText(shown->document()->toRawText());
}

bool NoteDialog::save()
{
    const NoteFields note{storedTitle(m_title->text(), platform::Clock::instance().now()), currentText(),
                          m_group->currentText()};
    const NoteStore store(m_db);
    QString error;
    qint64 key = m_key;
    if (m_mode == Mode::Add) {
        key = store.insert(note, &error);
    } else if (!store.modify(m_key, note, &error)) {
        key = -1;
    }
    if (key < 0) {
        MessageBox::warning(this, error);
        return false;
    }
    if (!note.group.isEmpty() && !contacts::Groups::registerName(m_db, u'N', note.group, nullptr, &error))
        MessageBox::warning(this, error);
    Q_EMIT noteSaved(key, note.group);
    return true;
}

void NoteDialog::clearForNext()
{
    showBigText(false);
    m_title->clear();
    m_text->clear();
    m_bigText->clear();
    m_title->setFocus();
}

void NoteDialog::showHint()
{
    MessageBox::information(this, m_mode == Mode::Add
                                      ? u"DESCRIPTION:\r\rThis module allows you to enter a new note."_s
                                      : u"DESCRIPTION:\r\rThis module allows you to update a new note."_s);
}

// A picture of the dialog, written to a PDF file that the desktop opens
// (and so prints).
void NoteDialog::print()
{
    printPicture(this, u"note"_s, grab());
}

bool NoteDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (m_form.enterSaves(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

} // namespace brivane::notes::widgets
