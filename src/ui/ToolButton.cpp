#include "ui/ToolButton.h"

#include <QCheckBox>
#include <QToolButton>

namespace brivane::ui {

QToolButton* makeToolButton(const QString& name, const QString& hint, const QString& text)
{
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setText(text);
    button->setAutoRaise(true);
    return button;
}

QToolButton* makeTextButton(const QString& name, const QString& text, const QString& hint)
{
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setToolTip(hint.isEmpty() ? text : hint);
    return button;
}

QCheckBox* makeCheckBox(const QString& name, const QString& text)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(name);
    return box;
}

} // namespace brivane::ui
