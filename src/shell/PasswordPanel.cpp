#include "shell/PasswordPanel.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace brivane::shell {

PasswordPanel::PasswordPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel_PSW"));
    setAutoFillBackground(true);
    auto* label = new QLabel(QStringLiteral("Enter the password"));
    label->setObjectName(QStringLiteral("Label_PSW"));
    QFont big = label->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    label->setFont(big);
    m_field = new QLineEdit;
    m_field->setObjectName(QStringLiteral("Edit_PSW"));
    m_field->setMaxLength(30);
    m_field->setEchoMode(QLineEdit::Password);
    m_field->setMinimumWidth(220);
    m_mask = new QCheckBox(QStringLiteral("Mask characters"));
    m_mask->setObjectName(QStringLiteral("CheckBox_PSW"));
    m_mask->setChecked(true);
    m_readOnly = new QToolButton;
    m_readOnly->setObjectName(QStringLiteral("SpeedButton_SolaLettura"));
    m_readOnly->setText(QStringLiteral("Read Only"));
    m_readOnly->setToolTip(QStringLiteral("Look at the data without changing it"));
    label->setBuddy(m_field);

    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->addWidget(label, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(m_field, 1, 0, 1, 2);
    grid->addWidget(m_mask, 2, 0);
    grid->addWidget(m_readOnly, 2, 1, Qt::AlignRight);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(box, 0, Qt::AlignHCenter);
    layout->addStretch(2);
    hide();

    connect(m_field, &QLineEdit::textChanged, this, &PasswordPanel::typed);
    connect(m_mask, &QCheckBox::toggled, this, [this](bool masked) {
        m_field->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
    });
    connect(m_readOnly, &QToolButton::clicked, this, &PasswordPanel::readOnlyClicked);
}

void PasswordPanel::setReadOnlyOffered(bool offered)
{
    m_readOnly->setVisible(offered);
}

void PasswordPanel::setFieldColor(const QColor& color)
{
    QPalette palette = m_field->palette();
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Text, color.lightness() < 110 ? Qt::white : Qt::black);
    m_field->setPalette(palette);
}

void PasswordPanel::cover(QWidget* covered)
{
    m_covered = covered;
    covered->installEventFilter(this);
    setGeometry(covered->geometry());
}

bool PasswordPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_covered && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        setGeometry(m_covered->geometry());
    return QWidget::eventFilter(watched, event);
}

} // namespace brivane::shell
