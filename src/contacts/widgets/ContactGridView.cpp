#include "contacts/widgets/ContactGridView.h"

#include "contacts/ContactQuery.h"
#include "ui/GridSetup.h"

#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QSqlRecord>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace brivane::contacts::widgets {

ContactGridView::ContactGridView(ContactQuery* query, QWidget* columnsButton, QObject* parent)
    : QObject(parent), m_grid(ui::makeGrid(u"DBGrid_Contact"_s)), m_query(query),
      m_columnsButton(columnsButton), m_columns(ColumnLayout::designedColumns())
{
    m_grid->setModel(m_query);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->horizontalHeader()->setSectionsMovable(true);
    m_grid->horizontalHeader()->setStretchLastSection(false);
    m_grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_grid->installEventFilter(this);
}

bool ContactGridView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::Resize)
        updateVisibility();
    return QObject::eventFilter(watched, event);
}

QList<ContactColumn> ContactGridView::columns()
{
    capture();
    return m_columns;
}

void ContactGridView::afterSearch()
{
    if (m_query->columnCount() != m_appliedColumnCount)
        apply();
}

void ContactGridView::apply()
{
    QHeaderView* header = m_grid->horizontalHeader();
    const int count = m_query->columnCount();
    m_appliedColumnCount = count;
    header->setVisible(m_wide);
    m_columnsButton->setVisible(m_wide);
    if (count == 0)
        return;
    for (int logical = 0; logical < count; ++logical)
        header->setSectionHidden(logical, true);
    int visual = 0;
    for (const ContactColumn& column : std::as_const(m_columns)) {
        const int logical = m_query->columnOf(column.field);
        if (logical < 0)
            continue;
        header->moveSection(header->visualIndex(logical), visual++);
        header->resizeSection(logical, column.width);
        const bool shown = column.field == u"ragsoc"_s ? true : column.visible && m_wide;
        header->setSectionHidden(logical, !shown);
    }
}

void ContactGridView::capture()
{
    if (!m_wide || m_appliedColumnCount <= 0 || m_query->columnCount() != m_appliedColumnCount)
        return;
    QHeaderView* header = m_grid->horizontalHeader();
    QList<ContactColumn> captured;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        const QString field = logical == m_query->columnOf(ContactQuery::noteMarkColumn())
                                  ? ContactQuery::noteMarkColumn()
                                  : m_query->record().fieldName(logical);
        const auto known = std::find_if(m_columns.cbegin(), m_columns.cend(),
                                        [&](const ContactColumn& column) { return column.field == field; });
        if (known == m_columns.cend())
            continue;
        captured << ContactColumn{field, known->title, header->sectionSize(logical),
                                  !header->isSectionHidden(logical)};
    }
    if (captured.size() == m_columns.size())
        m_columns = captured;
}

void ContactGridView::updateVisibility()
{
    int nameWidth = 218;
    for (const ContactColumn& column : std::as_const(m_columns)) {
        if (column.field == u"ragsoc"_s)
            nameWidth = column.width;
    }
    const bool wide = nameWidth + 30 < m_grid->width();
    if (wide == m_wide && m_appliedColumnCount == m_query->columnCount())
        return;
    capture();
    m_wide = wide;
    apply();
}

bool ContactGridView::writeDefaultLayout(const QString& archiveFolder)
{
    if (archiveFolder.isEmpty())
        return false;
    QString error;
    if (!ColumnLayout::save(ColumnLayout::defaultFile(archiveFolder), ColumnLayout::designedColumns(),
                            &error)) {
        Q_EMIT failed(error);
        return false;
    }
    return true;
}

bool ContactGridView::loadSavedLayout(const QString& archiveFolder)
{
    if (archiveFolder.isEmpty())
        return false;
    const auto loaded = ColumnLayout::load(ColumnLayout::userFile(archiveFolder));
    if (!loaded)
        return false;
    m_columns = *loaded;
    apply();
    return true;
}

void ContactGridView::saveLayout(const QString& archiveFolder)
{
    if (archiveFolder.isEmpty())
        return;
    capture();
    QString error;
    if (!ColumnLayout::save(ColumnLayout::userFile(archiveFolder), m_columns, &error))
        Q_EMIT failed(error);
}

void ContactGridView::restoreDefaultLayout(const QString& archiveFolder)
{
    if (archiveFolder.isEmpty())
        return;
    if (const auto loaded = ColumnLayout::load(ColumnLayout::defaultFile(archiveFolder))) {
        m_columns = *loaded;
        apply();
    }
    const QString user = ColumnLayout::userFile(archiveFolder);
    if (QFile::exists(user))
        QFile::remove(user);
}

bool ContactGridView::saveLayoutForDefaultSize(const QString& archiveFolder)
{
    if (m_wide || archiveFolder.isEmpty())
        return false;
    QList<ContactColumn> all = m_columns;
    for (ContactColumn& column : all)
        column.visible = true;
    QString error;
    if (!ColumnLayout::save(ColumnLayout::userFile(archiveFolder), all, &error)) {
        Q_EMIT failed(error);
        return false;
    }
    return true;
}

void ContactGridView::autosize()
{
    capture();
    m_grid->hide();
    m_query->fetchAll();
    const QFontMetrics metrics(m_grid->font());
    for (ContactColumn& column : m_columns) {
        if (column.field == ContactQuery::noteMarkColumn()) {
            column.width = ColumnLayout::kNoteMarkWidth;
            continue;
        }
        const int logical = m_query->columnOf(column.field);
        int widest = metrics.horizontalAdvance(column.field);
        if (logical >= 0) {
            for (int row = 0; row < m_query->rowCount(); ++row)
                widest = qMax(widest, metrics.horizontalAdvance(
                                          m_query->data(m_query->index(row, logical)).toString().trimmed()));
        }
        column.width = widest + 10;
    }
    apply();
    m_grid->show();
}

} // namespace brivane::contacts::widgets
