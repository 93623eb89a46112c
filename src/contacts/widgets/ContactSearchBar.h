#pragma once

#include "contacts/ContactQuery.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace brivane::contacts::widgets {

// The search row of the Contacts tab: the search kind, the search text with
// its Clear and "field is null" buttons, the automatic search switch and the
// record counter. It asks for a search by signal; the tab runs it.
class ContactSearchBar : public QWidget
{
    Q_OBJECT

public:
    explicit ContactSearchBar(QWidget* parent = nullptr);

    QLineEdit* field() const { return m_search; }
    SearchKind kind() const;
    QString text() const;
    // Selects a kind as the program does (no kindChosen()).
    void setKind(SearchKind kind);
    void setAutoSearch(bool on);

    // The "listed / total" caption of the counter.
    void showCounts(int listed, int total);
    void setCounterColors(const QColor& text, const QColor& background);
    void resetCounterColors();

    // The search text emptied without a search; automatic search on.
    void reset();

Q_SIGNALS:
    // The user chose another search kind.
    void kindChosen(SearchKind kind);
    // Enter, Clear on an empty text, or a new text while searching as you type.
    void searchRequested();

private:
    void textChanged();

    QComboBox* m_kind = nullptr;
    QLineEdit* m_search = nullptr;
    QToolButton* m_clearName = nullptr;
    QToolButton* m_emptyField = nullptr;
    QCheckBox* m_autoSearch = nullptr;
    QLabel* m_counter = nullptr;
};

} // namespace brivane::contacts::widgets
