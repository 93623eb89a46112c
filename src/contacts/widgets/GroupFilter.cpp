#include "contacts/widgets/GroupFilter.h"

#include "contacts/ContactQuery.h"
#include "contacts/Groups.h"
#include "platform/widgets/MessageBox.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace brivane::contacts::widgets {

using platform::MessageBox;

namespace {

struct ControlNames
{
    const char* combo;
    const char* insert;
    const char* remove;
    const char* clear;
};

ControlNames namesOf(QChar section)
{
    switch (section.toUpper().unicode()) {
    case 'N':
        return {"ComboBox_Note_Group", "SpeedButtonAddGroup_Note", "SpeedButtonDelGroup_Note",
                "SpeedButtonClearGroupNote"};
    case 'L':
        return {"ComboBox_List_Group", "SpeedButton11", "SpeedButtonDelGroup_Lista",
                "SpeedButtonClearGroupList"};
    default:
        return {"ComboBox_Contact_Group", "SpeedButton_AddGroup", "SpeedButtonDelGroup",
                "SpeedButtonClearGroup"};
    }
}

QToolButton* makeButton(const char* name, const QString& hint, const QString& text)
{
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setText(text);
    button->setAutoRaise(true);
    return button;
}

} // namespace

GroupFilter::GroupFilter(QChar section, QWidget* parent) : QWidget(parent), m_section(section.toUpper())
{
    const ControlNames names = namesOf(m_section);
    setObjectName(QLatin1String(names.combo) + u"_Filter"_s);

    m_combo = new QComboBox;
    m_combo->setObjectName(QLatin1String(names.combo));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    // The typed text is the filter as it stands: no completion to a name.
    m_combo->setCompleter(nullptr);
    m_combo->lineEdit()->setMaxLength(Groups::filterLength(m_section));
    m_combo->setToolTip(u"Filter by group"_s);
    m_combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_combo->setMinimumContentsLength(10);

    m_insert = makeButton(names.insert, u"Insert group"_s, u"+"_s);
    m_delete = makeButton(names.remove, u"Delete group"_s, u"\u2212"_s);
    m_clear = makeButton(names.clear, u"Clear "_s, u"\u00D7"_s);
    m_delete->setEnabled(false);
    m_clear->setEnabled(false);
    if (m_section == u'C')
        m_empty = makeButton("SpeedButtonGruppoVuoto", u"Find if field is null"_s, u"\u2205"_s);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_combo, 1);
    layout->addWidget(m_insert);
    layout->addWidget(m_delete);
    layout->addWidget(m_clear);
    if (m_empty)
        layout->addWidget(m_empty);

    connect(m_combo, &QComboBox::editTextChanged, this, [this] {
        if (!m_silent)
            changeHandling();
    });
    connect(m_combo, &QComboBox::activated, this, [this] { choose(); });
    connect(m_insert, &QToolButton::clicked, this, &GroupFilter::insertGroup);
    connect(m_delete, &QToolButton::clicked, this, &GroupFilter::deleteGroup);
    connect(m_clear, &QToolButton::clicked, this, &GroupFilter::clearGroup);
    if (m_empty)
        connect(m_empty, &QToolButton::clicked, this, &GroupFilter::emptyGroup);
}

QString GroupFilter::text() const
{
    return m_combo->currentText();
}

QStringList GroupFilter::names() const
{
    QStringList result;
    for (int i = 0; i < m_combo->count(); ++i)
        result << m_combo->itemText(i);
    return result;
}

bool GroupFilter::loadNames()
{
    QStringList loaded;
    QString error;
    if (!Groups::names(m_db, m_section, loaded, &error)) {
        Q_EMIT failed(error);
        return false;
    }
    const QString current = text();
    m_silent = true;
    m_combo->clear();
    m_combo->addItems(loaded);
    m_combo->setCurrentIndex(-1);
    m_combo->setEditText(current);
    m_silent = false;
    m_delete->setEnabled(!loaded.isEmpty());
    updateButtons();
    Q_EMIT namesLoaded(loaded);
    return true;
}

void GroupFilter::setMemorisedText(const QString& text)
{
    m_silent = true;
    m_combo->setEditText(text);
    m_silent = false;
    updateButtons();
}

void GroupFilter::setText(const QString& text)
{
    if (text == this->text()) {
        changeHandling();
        return;
    }
    m_combo->setEditText(text);
}

void GroupFilter::runBeforeCommand()
{
    if (m_beforeCommand)
        m_beforeCommand();
}

void GroupFilter::updateButtons()
{
    const QString current = text();
    m_clear->setEnabled(!current.isEmpty());
    if (m_empty)
        m_empty->setEnabled(!isEmptyFieldMark(current));
}

void GroupFilter::emitChanged()
{
    m_lastSignalled = text();
    m_signalledOnce = true;
    Q_EMIT changed(m_lastSignalled);
}

void GroupFilter::changeHandling(bool askFirst)
{
    if (askFirst)
        runBeforeCommand();
    updateButtons();
    // An emptied box also stores the empty memorised group (Choose).
    if (text().isEmpty())
        saveMemorised(QString());
    emitChanged();
}

void GroupFilter::choose()
{
    const QString current = text();
    saveMemorised(current);
    runBeforeCommand();
    updateButtons();
    // Picking a name has just run the change handling for this very text.
    if (!(m_signalledOnce && m_lastSignalled == current))
        emitChanged();
}

void GroupFilter::saveMemorised(const QString& text)
{
    if (!m_db.isOpen())
        return;
    QString error;
    const QString value = text.isNull() ? u""_s : text;
    if (!Groups::saveMemorised(m_db, m_section, value, &error)) {
        Q_EMIT failed(error);
        return;
    }
    Q_EMIT memorisedGroupSaved(Groups::memorisedColumn(m_section), value);
}

void GroupFilter::insertGroup()
{
    runBeforeCommand();
    const QString name = text();
    if (MessageBox::question(this, u"Insert group \""_s + name + u"\"?"_s) != MessageBox::Answer::Yes)
        return;
    QString error;
    if (!Groups::registerName(m_db, m_section, name, nullptr, &error)) {
        Q_EMIT failed(error);
        return;
    }
    loadNames();
    changeHandling(false);
}

void GroupFilter::deleteGroup()
{
    runBeforeCommand();
    const QString name = text();
    if (MessageBox::question(this, u"Delete group \""_s + name + u"\"?"_s) == MessageBox::Answer::No)
        return;
    QString error;
    if (!Groups::deleteName(m_db, m_section, name, nullptr, &error)) {
        Q_EMIT failed(error);
        return;
    }
    loadNames();
    m_silent = true;
    m_combo->setEditText(QString());
    m_silent = false;
    changeHandling(false);
}

void GroupFilter::clearGroup()
{
    runBeforeCommand();
    m_silent = true;
    m_combo->setEditText(QString());
    m_silent = false;
    changeHandling(false);
    m_clear->setEnabled(false);
}

void GroupFilter::emptyGroup()
{
    m_silent = true;
    m_combo->setEditText(isNullMark());
    m_silent = false;
    changeHandling();
}

} // namespace brivane::contacts::widgets
