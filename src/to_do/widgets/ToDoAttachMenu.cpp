#include "to_do/widgets/ToDoAttachMenu.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QStyle>

namespace brivane::to_do::widgets {

ToDoAttachMenu::ToDoAttachMenu(QWidget* parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("PopupMenuAllegatoToDo"));
}

QString ToDoAttachMenu::lastPathPart(const QString& text)
{
    QString trimmed = text;
    while (trimmed.size() > 1 && (trimmed.endsWith(QLatin1Char('/')) || trimmed.endsWith(QLatin1Char('\\'))))
        trimmed.chop(1);
    const int slash = qMax(trimmed.lastIndexOf(QLatin1Char('/')), trimmed.lastIndexOf(QLatin1Char('\\')));
    return slash >= 0 ? trimmed.mid(slash + 1) : trimmed;
}

void ToDoAttachMenu::setValues(const QString& attachment, const QString& link)
{
    clear();
    if (!attachment.isEmpty()) {
        const QFileInfo file(attachment);
        const QIcon icon = file.exists() ? QFileIconProvider().icon(file) : style()->standardIcon(QStyle::SP_FileLinkIcon);
        QAction* open = addAction(icon, lastPathPart(attachment));
        open->setObjectName(QStringLiteral("MenuItemAllegato"));
        connect(open, &QAction::triggered, this, [this, attachment] { Q_EMIT attachmentRequested(attachment); });
    }
    if (!link.isEmpty()) {
        QAction* find = addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView), lastPathPart(link));
        find->setObjectName(QStringLiteral("MenuItemRicerca"));
        connect(find, &QAction::triggered, this, [this, link] { Q_EMIT linkRequested(link); });
    }
}

} // namespace brivane::to_do::widgets
