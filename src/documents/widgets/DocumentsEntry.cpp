#include "documents/widgets/DocumentsEntry.h"

#include "documents/widgets/DocumentsPage.h"

#include <QGridLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace brivane::documents::widgets {

void addDocumentsEntry(QWidget* specialMenu, DocumentsPage* page)
{
    auto* button = new QToolButton;
    button->setObjectName(QStringLiteral("SpeedButton_Documents"));
    button->setText(QStringLiteral("Documents"));
    button->setToolTip(QStringLiteral("Day plans, task lists, contacts and to-do list as documents"));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    if (auto* grid = qobject_cast<QGridLayout*>(specialMenu->layout()))
        grid->addWidget(button, grid->rowCount(), 0, 1, qMax(1, grid->columnCount()));
    else if (specialMenu->layout())
        specialMenu->layout()->addWidget(button);

    auto* window = new QWidget(specialMenu->window(), Qt::Tool);
    window->setObjectName(QStringLiteral("Form_Documents"));
    window->setWindowTitle(QStringLiteral("Documents"));
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(page);
    window->resize(620, 260);
    QObject::connect(button, &QToolButton::clicked, window, [window] {
        window->show();
        window->raise();
        window->activateWindow();
    });
}

} // namespace brivane::documents::widgets
