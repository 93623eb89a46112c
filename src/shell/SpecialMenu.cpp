#include "shell/SpecialMenu.h"

#include "ui/ToolButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

namespace brivane::shell {

SpecialMenu::SpecialMenu(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel_special"));
    setFrameShape(QFrame::StyledPanel);
    m_password = new QLineEdit;
    m_password->setObjectName(QStringLiteral("Edit_ImpostaPSW"));
    m_password->setMaxLength(30);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setToolTip(QStringLiteral("The secret word which allows access to your data"));
    m_mask = ui::makeCheckBox(QStringLiteral("CheckBox_impostaPSW"), QStringLiteral("Mask characters"));
    m_mask->setChecked(true);
    m_clear = ui::makeTextButton(QStringLiteral("SpeedButtonClearPSW"), QStringLiteral("Clear"),
                         QStringLiteral("Remove the password"));
    m_lock = ui::makeTextButton(QStringLiteral("SpeedButton_PSW"), QStringLiteral("Lock"));
    m_blocco = ui::makeCheckBox(QStringLiteral("CheckBox_Blocco"), QStringLiteral("Lock on startup"));
    m_read = ui::makeCheckBox(QStringLiteral("CheckBox_SolaLettura"), QStringLiteral("Read"));
    m_read->setToolTip(QStringLiteral("Allow opening the window read-only without the password"));
    m_startTab = new QComboBox;
    m_startTab->setObjectName(QStringLiteral("ComboBox_Startab"));
    m_startTab->addItems({QStringLiteral("One Shot"), QStringLiteral("Yearly"), QStringLiteral("Monthly"),
                          QStringLiteral("Weekly"), QStringLiteral("Today"), QStringLiteral("Contacts"),
                          QStringLiteral("Note"), QStringLiteral("To-Do")});
    m_startTab->setToolTip(
        QStringLiteral("Change the default section Brivane show on startup (when there are no commitments)"));
    m_close = ui::makeTextButton(QStringLiteral("SpeedButtonCloseSpecial"), QStringLiteral("Close special menu"));
    m_lock->setEnabled(false);
    m_clear->setEnabled(false);
    m_read->setEnabled(false);

    m_layout = new QGridLayout(this);
    auto* passwordLabel = new QLabel(QStringLiteral("Password"));
    passwordLabel->setBuddy(m_password);
    m_layout->addWidget(passwordLabel, 0, 0);
    m_layout->addWidget(m_password, 0, 1);
    m_layout->addWidget(m_clear, 0, 2);
    m_layout->addWidget(m_mask, 0, 3);
    m_layout->addWidget(m_lock, 1, 0);
    m_layout->addWidget(m_blocco, 1, 1);
    m_layout->addWidget(m_read, 1, 2, 1, 2);
    auto* startLabel = new QLabel(QStringLiteral("Start tab"));
    startLabel->setBuddy(m_startTab);
    m_layout->addWidget(startLabel, 2, 0);
    m_layout->addWidget(m_startTab, 2, 1);
    m_commands = new QHBoxLayout;
    m_commands->addStretch();
    m_layout->addLayout(m_commands, 3, 0, 1, 4);
    m_layout->addWidget(m_close, 5, 0, 1, 4, Qt::AlignRight);
    m_layout->setColumnStretch(1, 1);
    hide();

    connect(m_password, &QLineEdit::textChanged, this, &SpecialMenu::passwordChanged);
    connect(m_mask, &QCheckBox::toggled, this, [this](bool masked) {
        m_password->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
    });
    connect(m_clear, &QToolButton::clicked, m_password, &QLineEdit::clear);
    connect(m_lock, &QToolButton::clicked, this, &SpecialMenu::lockClicked);
    connect(m_close, &QToolButton::clicked, this, &SpecialMenu::closeClicked);
    connect(m_read, &QCheckBox::clicked, this, &SpecialMenu::readClicked);
    connect(m_startTab, &QComboBox::activated, this, &SpecialMenu::fullSaveRequested);
    // A click and a Space both toggle the box first and then report the
    // click, so the toggled value is what is saved.
    connect(m_blocco, &QCheckBox::clicked, this, &SpecialMenu::fullSaveRequested);
}

QToolButton* SpecialMenu::addCommand(const QString& objectName, const QString& caption, const QString& hint)
{
    QToolButton* button = ui::makeTextButton(objectName, caption, hint);
    m_commands->insertWidget(m_commands->count() - 1, button);
    return button;
}

void SpecialMenu::addControl(QWidget* control)
{
    m_layout->addWidget(control, 4 + m_layout->rowCount(), 0, 1, 4);
    // The close button stays last.
    m_layout->removeWidget(m_close);
    m_layout->addWidget(m_close, m_layout->rowCount(), 0, 1, 4, Qt::AlignRight);
}

bool SpecialMenu::eventFilter(QObject* watched, QEvent* event)
{
    return QFrame::eventFilter(watched, event);
}

void SpecialMenu::showSettings(const store::SettingsRecord& s)
{
    const QSignalBlocker password(m_password);
    const QSignalBlocker blocco(m_blocco);
    const QSignalBlocker read(m_read);
    const QSignalBlocker startTab(m_startTab);
    // A new password typed but not yet confirmed survives other settings
    // writes; it is confirmed or rolled back when the menu closes.
    const bool typedNew = m_password->text() != m_shownPassword;
    if (!typedNew) {
        m_password->setText(s.psw);
        m_close->setText(QStringLiteral("Close special menu"));
    }
    m_shownPassword = s.psw;
    const bool hasText = !m_password->text().isEmpty();
    m_blocco->setChecked(s.blocco == QLatin1String("Y"));
    m_read->setChecked(s.solalettura);
    m_read->setEnabled(hasText);
    m_lock->setEnabled(hasText);
    m_clear->setEnabled(hasText);
    bool ok = false;
    const int position = s.startab.toInt(&ok);
    m_startTab->setCurrentIndex(ok && position >= 0 && position < m_startTab->count() ? position : -1);
}

store::SettingsRecord SpecialMenu::collectFullSave(store::SettingsRecord s) const
{
    s.blocco = m_blocco->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    if (m_startTab->currentIndex() >= 0)
        s.startab = QString::number(m_startTab->currentIndex());
    return s;
}

} // namespace brivane::shell
