#pragma once

#include <QColor>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;

namespace brivane::contacts::widgets {

// "Call contact": the contact's numbers, the "Add 0 before the
// number" option and the call request, which opens a "tel:" address through
// platform::Shell; the Skype menu opens "callto:" and "skype:...?chat".
// Opened without blocking (open()); closes after a call.
class DialDialog : public QDialog
{
    Q_OBJECT

public:
    DialDialog(const QString& name, const QString& tel, const QString& mobile, const QString& skype,
               bool addZero, const QColor& color, QWidget* parent = nullptr);

    QComboBox* numbers() const { return m_numbers; }
    QString number() const;
    void dial();

Q_SIGNALS:
    // The option changed: the settings column centralino is to be written.
    void addZeroChanged(bool on);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void rebuild();

    QString m_tel;
    QString m_mobile;
    QString m_skype;
    QLabel* m_name;
    QComboBox* m_numbers;
    QCheckBox* m_addZero;
    QPushButton* m_dial;
    QToolButton* m_skypeButton;
    QMenu* m_skypeMenu;
    bool m_dialled = false;
};

} // namespace brivane::contacts::widgets
