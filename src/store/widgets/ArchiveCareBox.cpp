#include "store/widgets/ArchiveCareBox.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace brivane::store::widgets {

ArchiveCareBox::ArchiveCareBox(QWidget* parent) : QGroupBox(QStringLiteral("Archive"), parent)
{
    setObjectName(QStringLiteral("GroupBox_ArchiveCare"));
    m_row = new QHBoxLayout(this);
    m_row->addStretch();
    connect(addCommand(QStringLiteral("SpeedButtonExport"), QStringLiteral("Backup"),
                       QStringLiteral("Save a copy of the whole archive")),
            &QToolButton::clicked, this, &ArchiveCareBox::backupRequested);
    connect(addCommand(QStringLiteral("SpeedButtonImport"), QStringLiteral("Restore"),
                       QStringLiteral("Bring back a copy of the archive (at the next start)")),
            &QToolButton::clicked, this, &ArchiveCareBox::restoreRequested);
}

QToolButton* ArchiveCareBox::addCommand(const QString& objectName, const QString& caption, const QString& hint)
{
    auto* button = new QToolButton;
    button->setObjectName(objectName);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setToolTip(hint.isEmpty() ? caption : hint);
    m_row->insertWidget(m_row->count() - 1, button);
    return button;
}

} // namespace brivane::store::widgets
