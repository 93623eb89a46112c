#pragma once

#include "store/SettingsRecord.h"

#include <QFrame>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QToolButton;

namespace brivane::shell {

// The special menu of the Options tab (Panel_special, hidden until "Open
// special menu"): the password and its lock switches, the start tab list,
// and a row of further commands that other parts of the program add with
// addCommand() (a button) or addControl() (any widget). It only shows and
// forwards; the access controller acts on its signals.
class SpecialMenu : public QFrame
{
    Q_OBJECT

public:
    explicit SpecialMenu(QWidget* parent = nullptr);

    // Adds a button to the command row; its clicked() is the caller's.
    QToolButton* addCommand(const QString& objectName, const QString& caption, const QString& hint = QString());
    // Adds any widget below the command row.
    void addControl(QWidget* control);

    // Shows the record's values without raising change signals.
    void showSettings(const store::SettingsRecord& settings);
    // The full save takes "Lock on startup" and the start tab from here.
    store::SettingsRecord collectFullSave(store::SettingsRecord base) const;

    QLineEdit* passwordField() const { return m_password; }
    QCheckBox* readBox() const { return m_read; }
    QCheckBox* lockOnStartupBox() const { return m_blocco; }
    QComboBox* startTabList() const { return m_startTab; }
    QToolButton* lockButton() const { return m_lock; }
    QToolButton* clearButton() const { return m_clear; }
    QToolButton* closeButton() const { return m_close; }

Q_SIGNALS:
    void passwordChanged(const QString& text);
    void lockClicked();
    void closeClicked();
    void readClicked(bool on);
    void fullSaveRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_password = nullptr;
    QCheckBox* m_mask = nullptr;
    QToolButton* m_clear = nullptr;
    QToolButton* m_lock = nullptr;
    QCheckBox* m_blocco = nullptr;
    QCheckBox* m_read = nullptr;
    QComboBox* m_startTab = nullptr;
    QToolButton* m_close = nullptr;
    QHBoxLayout* m_commands = nullptr;
    QGridLayout* m_layout = nullptr;
    QString m_shownPassword; // the stored password last shown
};

} // namespace brivane::shell
