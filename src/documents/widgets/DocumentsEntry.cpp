#include "documents/widgets/DocumentsEntry.h"

#include "documents/widgets/DocumentsPage.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace brivane::documents::widgets {

void addDocumentsEntry(QToolButton* button, DocumentsPage* page)
{
    auto* window = new QWidget(button->window(), Qt::Tool);
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
