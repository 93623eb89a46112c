#include "notes/widgets/FindDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace brivane::notes::widgets {

FindDialog::FindDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(u"FindDialog"_s);
    setWindowTitle(u"Find"_s);
    m_text = new QLineEdit;
    m_text->setObjectName(u"Edit_Find"_s);
    m_next = new QPushButton(u"Find next"_s);
    m_next->setObjectName(u"Button_FindNext"_s);
    m_next->setDefault(true);
    m_next->setEnabled(false);
    auto* close = new QPushButton(u"Cancel"_s);
    close->setObjectName(u"Button_FindCancel"_s);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(u"Find what:"_s), 0, 0);
    layout->addWidget(m_text, 0, 1);
    layout->addWidget(m_next, 0, 2);
    layout->addWidget(close, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(2, 1);
    m_text->setMinimumWidth(180);

    connect(m_text, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_next->setEnabled(!text.isEmpty()); });
    connect(m_next, &QPushButton::clicked, this, [this] { Q_EMIT findRequested(m_text->text()); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

QString FindDialog::text() const
{
    return m_text->text();
}

void FindDialog::setText(const QString& text)
{
    m_text->setText(text);
}

} // namespace brivane::notes::widgets
