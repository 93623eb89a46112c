#include "contacts/widgets/DialDialog.h"

#include "agenda/widgets/DialogChrome.h"
#include "contacts/ContactActions.h"
#include "platform/Shell.h"
#include "platform/widgets/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace brivane::contacts::widgets {

DialDialog::DialDialog(const QString& name, const QString& tel, const QString& mobile, const QString& skype,
                       bool addZero, const QColor& color, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_tel(tel), m_mobile(mobile), m_skype(skype)
{
    setObjectName(u"TCallForm"_s);
    setWindowTitle(u"Call contact"_s);
    setAttribute(Qt::WA_DeleteOnClose);

    m_name = new QLabel(name);
    m_name->setObjectName(u"Label_Name"_s);
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);

    m_numbers = new QComboBox;
    m_numbers->setObjectName(u"ComboBox_telefoni"_s);
    m_numbers->setEditable(true);
    m_numbers->setInsertPolicy(QComboBox::NoInsert);
    m_numbers->lineEdit()->setMaxLength(30);
    m_numbers->setToolTip(u"Contact numbers"_s);
    m_numbers->setMinimumWidth(220);

    m_addZero = new QCheckBox(u"Add 0 before the number"_s);
    m_addZero->setObjectName(u"CheckBoxAgZero"_s);
    m_addZero->setChecked(addZero);

    m_dial = new QPushButton(u"Dial"_s);
    m_dial->setObjectName(u"ButtonDial"_s);
    m_dial->setDefault(true);
    m_skypeButton = new QToolButton;
    m_skypeButton->setObjectName(u"SpeedButtonSkype"_s);
    m_skypeButton->setText(u"Skype"_s);
    m_skypeMenu = new QMenu(this);
    m_skypeMenu->setObjectName(u"PopupMenuSkype"_s);
    QAction* call = m_skypeMenu->addAction(u"Telefona"_s);
    QAction* chat = m_skypeMenu->addAction(u"Chatta"_s);
    m_skypeMenu->addAction(u"Annulla"_s);
    auto* close = new QPushButton(u"Close"_s);
    close->setObjectName(u"ButtonClose"_s);
    close->setAutoDefault(false);
    auto* hint = new QToolButton;
    hint->setObjectName(u"SpeedButtonHint"_s);
    hint->setText(u"?"_s);
    hint->setToolTip(u"Hint"_s);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_dial);
    buttons->addWidget(m_skypeButton);
    buttons->addStretch();
    buttons->addWidget(hint);
    buttons->addWidget(close);

    auto* body = new QVBoxLayout;
    body->addWidget(m_name);
    body->addWidget(m_numbers);
    body->addWidget(m_addZero);
    body->addLayout(buttons);

    agenda::widgets::frameDialog(this, u"Call contact"_s, color, body);

    rebuild();

    connect(m_numbers, &QComboBox::editTextChanged, this,
            [this](const QString& text) { m_dial->setEnabled(!text.isEmpty()); });
    connect(m_addZero, &QCheckBox::toggled, this, [this](bool on) {
        Q_EMIT addZeroChanged(on);
        rebuild();
    });
    connect(m_dial, &QPushButton::clicked, this, &DialDialog::dial);
    connect(m_skypeButton, &QToolButton::clicked, this,
            [this] { m_skypeMenu->popup(m_skypeButton->mapToGlobal(QPoint(0, m_skypeButton->height()))); });
    connect(call, &QAction::triggered, this, [this] { platform::Shell::open(calltoUrl(number())); });
    connect(chat, &QAction::triggered, this, [this] { platform::Shell::open(skypeChatUrl(number())); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(hint, &QToolButton::clicked, this, [this] {
        platform::MessageBox::information(this, u"In this section you can call your contact."_s);
    });
    agenda::widgets::fitToContents(this);
}

QString DialDialog::number() const
{
    return m_numbers->currentText();
}

void DialDialog::rebuild()
{
    // The list is rebuilt from the stored fields; the position stays.
    const int position = m_numbers->currentIndex();
    m_numbers->clear();
    m_numbers->addItems(dialNumbers(m_tel, m_mobile, m_skype, m_addZero->isChecked()));
    if (m_numbers->count() > 0)
        m_numbers->setCurrentIndex(position >= 0 && position < m_numbers->count() ? position : 0);
    m_dial->setEnabled(!number().isEmpty());
}

void DialDialog::dial()
{
    if (m_dialled || number().isEmpty())
        return;
    m_dialled = true;
    platform::Shell::open(telUrl(number()));
    accept();
}

void DialDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        dial();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace brivane::contacts::widgets
