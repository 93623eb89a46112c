#include "shell/AccessController.h"

#include "platform/widgets/InputBox.h"
#include "platform/widgets/MessageBox.h"
#include "shell/PasswordPanel.h"
#include "shell/SpecialMenu.h"
#include "store/DataWriteGuard.h"
#include "store/SettingsRecord.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

namespace brivane::shell {

using platform::MessageBox;

namespace {

// The commands that change data, hidden in read-only mode (their commands
// are also blocked where they run, and the engine refuses the writes).
const char* const kDataCommands[] = {
    "SpeedButtonadShot",      "SpeedButtonAddYear",      "SpeedButtonAggMese",       "SpeedButtonAggWeek",
    "SpeedButtonModShot",     "SpeedButtonModYear",      "SpeedButtonModMese",       "SpeedButtonModWeek",
    "SpeedButtonDateDupli",   "SpeedButtonPrintyear",    "SpeedButtonPrintMese",     "SpeedButtonPrintWeek",
    "SpeedButtonDelShot",     "SpeedButtonDelyear",      "SpeedButtonDelMese",       "SpeedButtonDelWeek",
    "SpeedButtonAllegatoShot", "SpeedButtonAllegatoYear", "SpeedButtonAllegatoMonth", "SpeedButtonAllegatoWeek",
    "SpeedButtonAddToday",    "SpeedButtonSvoltoToday",  "SpeedButtonModToday",      "SpeedButtonDelToday",
};

} // namespace

AccessController::AccessController(store::SettingsRecord& settings, SpecialMenu* menu, Window window, QObject* parent)
    : QObject(parent), m_settings(settings), m_menu(menu), m_panel(new PasswordPanel(window.widget)),
      m_window(std::move(window))
{
    m_panel->cover(m_window.tabs);
    connect(m_menu, &SpecialMenu::passwordChanged, this, &AccessController::passwordFieldChanged);
    connect(m_menu, &SpecialMenu::closeClicked, this, &AccessController::closeSpecialMenu);
    connect(m_menu, &SpecialMenu::lockClicked, this, &AccessController::lock);
    connect(m_menu, &SpecialMenu::readClicked, this,
            [this](bool on) { m_window.saveColumn(QStringLiteral("solalettura"), on); });
    connect(m_menu, &SpecialMenu::fullSaveRequested, this, [this] { m_window.fullSave(); });
    connect(m_panel, &PasswordPanel::typed, this, &AccessController::typedOnPanel);
    connect(m_panel, &PasswordPanel::readOnlyClicked, this, [this] {
        enterReadOnly();
        unlock();
    });
    // Connected after the window's own tab change, so the focus returns here.
    connect(m_window.tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_readOnly && index == m_window.optionsTab) {
            m_window.tabs->setCurrentIndex(m_window.todayTab);
            return;
        }
        if (!m_locked)
            return;
        m_panel->setFieldColor(m_window.sectionColor(index));
        focusPanel();
    });
    m_window.widget->installEventFilter(this);
}

bool AccessController::lockOnStartup() const
{
    return !m_settings.psw.isEmpty() && m_settings.blocco == QLatin1String("Y");
}

bool AccessController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window.widget) {
        if (m_locked && (event->type() == QEvent::KeyRelease || event->type() == QEvent::Paint))
            focusPanel();
    }
    return QObject::eventFilter(watched, event);
}

void AccessController::focusPanel()
{
    if (m_locked && !m_panel->field()->hasFocus())
        m_panel->field()->setFocus();
}

// ---------------------------------------------------------------- special menu

void AccessController::openSpecialMenu()
{
    m_menu->show();
    updateCloseCaption();
}

void AccessController::passwordFieldChanged(const QString& text)
{
    const bool typed = !text.isEmpty();
    m_menu->lockButton()->setEnabled(typed);
    m_menu->clearButton()->setEnabled(typed);
    m_menu->readBox()->setEnabled(typed);
    if (!typed && !m_settings.psw.isEmpty()) {
        // Emptying the field removes the password at once.
        m_settings.psw.clear();
        m_window.fullSave();
    }
    updateCloseCaption();
}

void AccessController::updateCloseCaption()
{
    const QString field = m_menu->passwordField()->text();
    m_menu->closeButton()->setText(!field.isEmpty() && field != m_settings.psw ? QStringLiteral("Confirm PASSWORD")
                                                                              : QStringLiteral("Close special menu"));
}

void AccessController::closeSpecialMenu()
{
    m_menu->closeButton()->setText(QStringLiteral("Close special menu"));
    QLineEdit* field = m_menu->passwordField();
    const QString typed = field->text();
    if (!typed.isEmpty() && typed != m_settings.psw) {
        const QString again = platform::InputBox::ask(m_window.widget, QStringLiteral("Confirm password"),
                                                      QStringLiteral("Retype new password"), QString(), true);
        if (again != typed) {
            const bool hadPassword = !m_settings.psw.isEmpty();
            {
                const QSignalBlocker blocker(field);
                field->setText(m_settings.psw);
            }
            passwordFieldChanged(field->text());
            if (hadPassword)
                MessageBox::warning(m_window.widget,
                                    QStringLiteral("New password NOT confirmed!\rThe old password was restored!"));
            else
                MessageBox::warning(m_window.widget, QStringLiteral("New password NOT confirmed!\rNO password set!"));
        } else {
            m_settings.psw = typed;
            MessageBox::information(m_window.widget, QStringLiteral("New password CONFIRMED!"));
        }
        m_window.fullSave();
    } else if (typed.isEmpty() && !m_settings.psw.isEmpty()) {
        m_settings.psw.clear();
        m_window.fullSave();
    }
    m_menu->hide();
}

// ---------------------------------------------------------------- lock

void AccessController::lock()
{
    if (m_menu->readBox()->isChecked() && m_window.unsavedFilePrompt)
        m_window.unsavedFilePrompt();
    closeSpecialMenu();
    if (m_settings.psw.isEmpty())
        return;
    showPanel(m_menu->readBox()->isChecked());
    m_window.loadSettings();
}

void AccessController::applyAtCreation()
{
    if (lockOnStartup())
        showPanel(m_settings.solalettura);
}

void AccessController::raiseAtShow()
{
    if (!lockOnStartup())
        return;
    showPanel(m_settings.solalettura);
    m_panel->setFieldColor(m_window.sectionColor(m_window.todayTab));
}

void AccessController::lockBeforeIconize()
{
    if (m_menu->lockOnStartupBox()->isChecked() && !m_menu->passwordField()->text().isEmpty())
        lock();
}

void AccessController::showPanel(bool offerReadOnly)
{
    m_panel->setReadOnlyOffered(offerReadOnly);
    {
        const QSignalBlocker blocker(m_panel->field());
        m_panel->field()->clear();
    }
    setLockedState(true);
    m_panel->show();
    m_panel->raise();
    focusPanel();
}

void AccessController::setLockedState(bool locked)
{
    m_locked = locked;
    // Nothing behind the panel takes a click, a key or a shortcut.
    m_window.tabs->setEnabled(!locked);
    if (m_window.setLocked)
        m_window.setLocked(locked);
}

void AccessController::typedOnPanel(const QString& text)
{
    if (!m_locked || text.isEmpty() || text != m_menu->passwordField()->text())
        return;
    if (m_readOnly)
        leaveReadOnly();
    unlock();
}

void AccessController::unlock()
{
    m_panel->hide();
    {
        const QSignalBlocker blocker(m_panel->field());
        m_panel->field()->clear();
    }
    setLockedState(false);
    if (m_window.tabChange)
        m_window.tabChange(m_window.tabs->currentIndex());
    if (m_window.isLookAheadDeferred && m_window.isLookAheadDeferred() && m_window.runDeferredLookAhead)
        m_window.runDeferredLookAhead();
}

// ---------------------------------------------------------------- read-only mode

void AccessController::hideDataCommands(bool hidden)
{
    if (!hidden) {
        for (const QPointer<QWidget>& button : std::as_const(m_hiddenCommands))
            if (button)
                button->show();
        m_hiddenCommands.clear();
        return;
    }
    for (const char* name : kDataCommands) {
        auto* button = m_window.widget->findChild<QWidget*>(QLatin1String(name));
        if (button && !button->isHidden()) {
            button->hide();
            m_hiddenCommands << button;
        }
    }
}

void AccessController::enterReadOnly()
{
    m_readOnly = true;
    store::DataWriteGuard::setBlocked(m_window.database(), true);
    hideDataCommands(true);
    if (m_window.tabs->currentIndex() == m_window.optionsTab)
        m_window.tabs->setCurrentIndex(m_window.todayTab);
    m_window.tabs->setTabVisible(m_window.optionsTab, false);
    m_menu->hide();
    if (m_window.setReadOnly)
        m_window.setReadOnly(true);
}

void AccessController::leaveReadOnly()
{
    m_readOnly = false;
    store::DataWriteGuard::setBlocked(m_window.database(), false);
    hideDataCommands(false);
    m_window.tabs->setTabVisible(m_window.optionsTab, true);
    if (m_window.setReadOnly)
        m_window.setReadOnly(false);
}

} // namespace brivane::shell
