#include "ui/SectionTab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace brivane::ui {

SectionTab::SectionTab(const QString& searchName, const QString& counterName, const QString& hintName,
                       const QString& hintText, QWidget* parent)
    : QWidget(parent)
{
    m_search = new QLineEdit;
    m_search->setObjectName(searchName);
    m_search->setPlaceholderText(QStringLiteral("Search"));
    m_search->setClearButtonEnabled(true);
    m_counter = new QLabel;
    m_counter->setObjectName(counterName);
    m_counter->setFrameShape(QFrame::StyledPanel);
    m_counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_counter->setMinimumWidth(90);
    auto* hint = new QToolButton;
    hint->setObjectName(hintName);
    hint->setText(QStringLiteral("?"));
    hint->setToolTip(hintText);

    m_toolbar = new QHBoxLayout;
    m_toolbar->addWidget(m_search, 1);
    m_toolbar->addWidget(m_counter);
    m_toolbar->addWidget(hint);
    m_body = new QVBoxLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_toolbar);
    layout->addLayout(m_body, 1);
}

void SectionTab::setCounter(const QString& caption)
{
    m_counter->setText(caption);
}

} // namespace brivane::ui
