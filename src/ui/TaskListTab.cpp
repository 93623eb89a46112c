#include "ui/TaskListTab.h"

#include "agenda/TodayQuery.h"
#include "ui/GridSetup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <QSortFilterProxyModel>
#include <QSqlRecord>
#include <QVBoxLayout>

namespace brivane::ui {

TaskListTab::TaskListTab(const Names& names, agenda::TaskKindQuery* model, QWidget* parent)
    : QWidget(parent), m_names(names)
{
    m_grid = makeGrid(names.grid);
    m_grid->setModel(model);
    // Until the full search arrives, typing narrows the list by description.
    auto* filter = new QSortFilterProxyModel(this);
    filter->setSourceModel(model);
    filter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_filter = filter;
    auto* search = new QLineEdit;
    search->setObjectName(names.search);
    search->setPlaceholderText(QStringLiteral("Search"));
    search->setClearButtonEnabled(true);
    m_search = search;
    connect(search, &QLineEdit::textChanged, this, [this, model](const QString& text) {
        if (text.isEmpty()) {
            m_grid->setModel(model);
        } else {
            m_filter->setFilterKeyColumn(model->record().indexOf(QStringLiteral("id")));
            m_filter->setFilterFixedString(text);
            if (m_grid->model() != m_filter)
                m_grid->setModel(m_filter);
        }
        refitColumns();
    });
    m_counter = new QLabel;
    m_counter->setObjectName(names.counter);
    m_counter->setFrameShape(QFrame::StyledPanel);
    m_counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_counter->setMinimumWidth(90);
    auto* hint = new QToolButton;
    hint->setObjectName(names.hint);
    hint->setText(QStringLiteral("?"));
    hint->setToolTip(names.hintText);

    auto* top = new QHBoxLayout;
    top->addWidget(search, 1);
    top->addWidget(m_counter);
    top->addWidget(hint);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
}

void TaskListTab::setCounter(const QString& caption)
{
    m_counter->setText(caption);
}

void TaskListTab::refitColumns()
{
    auto* model = qobject_cast<QSqlQueryModel*>(m_filter->sourceModel());
    showColumns(m_grid, model, m_names.columns, m_names.captions);
}

} // namespace brivane::ui
