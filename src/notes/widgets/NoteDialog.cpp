#include "notes/widgets/NoteDialog.h"

#include "notes/widgets/NoteTools.h"

#include "agenda/widgets/DialogChrome.h"
#include "contacts/Groups.h"
#include "notes/NoteMessages.h"
#include "notes/NoteStore.h"
#include "notes/NoteText.h"
#include "platform/Clock.h"
#include "platform/widgets/MessageBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace brivane::notes::widgets {

using agenda::widgets::DialogTitleBar;
using agenda::widgets::KindFrame;
using agenda::widgets::WindowDragger;
using platform::MessageBox;

namespace {

QPushButton* makeButton(const QString& text, const QString& name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QPlainTextEdit* makeTextArea(const QString& name)
{
    auto* area = new QPlainTextEdit;
    area->setObjectName(name);
    area->setTabChangesFocus(true);
    return area;
}

} // namespace

NoteDialog::NoteDialog(Mode mode, QSqlDatabase db, const NoteDialogSetup& setup, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_mode(mode),
      m_db(std::move(db)), m_key(mode == Mode::Modify ? setup.key : -1)
{
    const bool add = mode == Mode::Add;
    setObjectName(add ? u"TAggNoteForm"_s : u"TModNoteForm"_s);
    setWindowTitle(add ? u"Insert note"_s : u"Modify note"_s);
    setWindowModality(Qt::WindowModal);
    if (setup.scalePercent > 100) {
        QFont scaled = font();
        scaled.setPointSizeF(scaled.pointSizeF() * setup.scalePercent / 100.0);
        setFont(scaled);
    }

    auto* frame = new KindFrame(setup.color);
    frame->setObjectName(u"Frame_Dialog"_s);
    auto* titleBar = new DialogTitleBar(windowTitle(), setup.color);
    auto* dragger = new WindowDragger(this);
    dragger->watch(titleBar);
    dragger->watch(frame);

    m_pages = new QStackedWidget;
    m_pages->addWidget(buildFields(setup));
    m_pages->addWidget(buildBigText());

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->addWidget(m_pages, 1);
    body->addLayout(buildButtons());

    auto* frameLayout = new QVBoxLayout(frame);
    const int border = KindFrame::kBorder;
    frameLayout->setContentsMargins(border, border, border, border);
    frameLayout->setSpacing(0);
    frameLayout->addWidget(titleBar);
    frameLayout->addLayout(body, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

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

    m_text = makeTextArea(u"editor"_s);
    m_text->setPlainText(setup.text);
    auto* big = makeButton(u"+"_s, u"SpeedButtonMemoBig"_s);
    big->setToolTip(u"Area note grande/normale"_s);
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
    auto* page = new QWidget;
    page->setObjectName(u"Panel_Memo_BIG"_s);
    m_bigText = makeTextArea(u"Memo_BIG"_s);
    auto* small = makeButton(u"-"_s, u"SpeedButtonMemoSmall"_s);
    small->setToolTip(u"Area note grande/normale"_s);
    small->setFixedWidth(small->sizeHint().height());
    connect(small, &QPushButton::clicked, this, [this] { showBigText(false); });

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(u"Text"_s));
    top->addStretch();
    top->addWidget(small);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_bigText, 1);
    return page;
}

QLayout* NoteDialog::buildButtons()
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(6);
    auto* hint = makeButton(u"Hint"_s, u"SpeedButtonHint"_s);
    connect(hint, &QPushButton::clicked, this, &NoteDialog::showHint);
    layout->addWidget(hint);
    if (m_mode == Mode::Modify) {
        auto* print = makeButton(u"Print"_s, u"SpeedButtonPrint"_s);
        connect(print, &QPushButton::clicked, this, &NoteDialog::print);
        layout->addWidget(print);
    }
    layout->addStretch();
    if (m_mode == Mode::Add) {
        auto* insert = makeButton(u"Insert"_s, u"SpeedButtonAdd"_s);
        auto* insertClose = makeButton(u"Insert and close"_s, u"SpeedButtonAddClose"_s);
        connect(insert, &QPushButton::clicked, this, &NoteDialog::saveAndStay);
        connect(insertClose, &QPushButton::clicked, this, &NoteDialog::saveAndClose);
        layout->addWidget(insert);
        layout->addWidget(insertClose);
    } else {
        auto* modify = makeButton(u"Modify"_s, u"SpeedButtonMod"_s);
        connect(modify, &QPushButton::clicked, this, &NoteDialog::saveAndClose);
        layout->addWidget(modify);
    }
    auto* close = makeButton(u"Close"_s, u"SpeedButton3"_s);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(close);
    return layout;
}

void NoteDialog::showBigText(bool big)
{
    if (big == isBigTextShown())
        return;
    QPlainTextEdit* from = big ? m_text : m_bigText;
    QPlainTextEdit* to = big ? m_bigText : m_text;
    to->setPlainText(from->toPlainText());
    QTextCursor cursor = to->textCursor();
    cursor.setPosition(qMin(from->textCursor().position(), to->document()->characterCount() - 1));
    to->setTextCursor(cursor);
    m_pages->setCurrentIndex(big ? 1 : 0);
    to->setFocus();
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

void NoteDialog::saveAndStay()
{
    if (!save())
        return;
    showBigText(false);
    m_title->clear();
    m_text->clear();
    m_bigText->clear();
    m_title->setFocus();
}

void NoteDialog::saveAndClose()
{
    if (save())
        accept();
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
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            saveAndClose();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace brivane::notes::widgets
