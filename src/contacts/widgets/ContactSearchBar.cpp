#include "contacts/widgets/ContactSearchBar.h"

#include "platform/widgets/MessageBox.h"
#include "store/ArchiveCounts.h"
#include "ui/ToolButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace brivane::contacts::widgets {

using ui::makeToolButton;

ContactSearchBar::ContactSearchBar(QWidget* parent) : QWidget(parent)
{
    m_kind = new QComboBox;
    m_kind->setObjectName(u"ComboBox_KindFindContact"_s);
    m_kind->addItems(searchKindNames());
    m_search = new QLineEdit;
    m_search->setObjectName(u"Edit_ragsoc"_s);
    m_search->setMaxLength(50);
    m_search->setPlaceholderText(u"Search"_s);
    m_clearName = makeToolButton(u"SpeedButtonClearName"_s, u"Clear "_s, u"\u00D7"_s);
    m_clearName->setEnabled(false);
    m_emptyField = makeToolButton(u"SpeedButtonCampoVuoto"_s, u"Find if field is null"_s, u"\u2205"_s);
    m_autoSearch = new QCheckBox(u"Auto"_s);
    m_autoSearch->setObjectName(u"CheckBoxAutoFindContact"_s);
    m_autoSearch->setToolTip(u"Search as you type"_s);
    m_autoSearch->setChecked(true);
    m_counter = new QLabel;
    m_counter->setObjectName(u"Panel_FullName"_s);
    m_counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_counter->setFrameShape(QFrame::StyledPanel);
    m_counter->setMinimumWidth(90);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_kind);
    layout->addWidget(m_search, 1);
    layout->addWidget(m_clearName);
    layout->addWidget(m_emptyField);
    layout->addWidget(m_autoSearch);
    layout->addWidget(m_counter);

    connect(m_search, &QLineEdit::textChanged, this, &ContactSearchBar::textChanged);
    connect(m_search, &QLineEdit::returnPressed, this, &ContactSearchBar::searchRequested);
    connect(m_kind, &QComboBox::activated, this, [this](int index) {
        Q_EMIT kindChosen(SearchKind(index));
        textChanged();
        m_search->setFocus();
    });
    connect(m_autoSearch, &QCheckBox::clicked, this, [this](bool on) {
        if (!on) {
            platform::MessageBox::information(
                parentWidget(), u"You have disabled the automatic search as you type. \rTo start "
                                u"the search, press the ENTER key in the search box."_s);
        }
        m_search->setFocus();
    });
    connect(m_clearName, &QToolButton::clicked, this, [this] {
        m_autoSearch->setChecked(true);
        if (m_search->text().isEmpty())
            Q_EMIT searchRequested();
        else
            m_search->clear();
    });
    connect(m_emptyField, &QToolButton::clicked, this, [this] { m_search->setText(isNullMark()); });
}

SearchKind ContactSearchBar::kind() const
{
    return SearchKind(qMax(0, m_kind->currentIndex()));
}

QString ContactSearchBar::text() const
{
    return m_search->text();
}

void ContactSearchBar::setKind(SearchKind kind)
{
    m_kind->setCurrentIndex(static_cast<int>(kind));
}

void ContactSearchBar::setAutoSearch(bool on)
{
    m_autoSearch->setChecked(on);
}

void ContactSearchBar::textChanged()
{
    const QString text = m_search->text();
    m_clearName->setEnabled(!text.isEmpty());
    m_emptyField->setEnabled(!isEmptyFieldMark(text));
    if (m_autoSearch->isChecked())
        Q_EMIT searchRequested();
}

void ContactSearchBar::showCounts(int listed, int total)
{
    m_counter->setText(store::ArchiveCounts::counterCaption(listed, total));
}

void ContactSearchBar::setCounterColors(const QColor& text, const QColor& background)
{
    m_counter->setAutoFillBackground(true);
    QPalette palette = m_counter->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    m_counter->setPalette(palette);
}

void ContactSearchBar::resetCounterColors()
{
    m_counter->setAutoFillBackground(false);
    m_counter->setPalette(QPalette());
}

void ContactSearchBar::reset()
{
    m_autoSearch->setChecked(true);
    m_search->blockSignals(true);
    m_search->clear();
    m_search->blockSignals(false);
    m_clearName->setEnabled(false);
    m_emptyField->setEnabled(true);
}

} // namespace brivane::contacts::widgets
