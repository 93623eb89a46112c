#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace brivane::shell {

// Panel_PSW: covers the tabs while the window is locked. It holds the
// password field (masked while "Mask characters" is ticked) and, when
// allowed, the "Read Only" button.
class PasswordPanel : public QWidget
{
    Q_OBJECT

public:
    explicit PasswordPanel(QWidget* parent = nullptr);

    QLineEdit* field() const { return m_field; }
    void setReadOnlyOffered(bool offered);
    void setFieldColor(const QColor& color);
    // Keeps the panel over `covered`, following its moves and resizes.
    void cover(QWidget* covered);

Q_SIGNALS:
    void typed(const QString& text);
    void readOnlyClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_field = nullptr;
    QCheckBox* m_mask = nullptr;
    QToolButton* m_readOnly = nullptr;
    QWidget* m_covered = nullptr;
};

} // namespace brivane::shell
