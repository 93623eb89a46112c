#include "ui/ToolButton.h"

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

} // namespace brivane::ui
