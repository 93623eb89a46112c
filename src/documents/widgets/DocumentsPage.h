#pragma once

#include "documents/BookDocuments.h"
#include "documents/TaskDocuments.h"

#include <QTabWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;

namespace brivane::documents::widgets {

// The Documents page of the special menu: five tabs of options, each with
// its "Produce document" button. The options live as long as the program
// runs; none is stored.
class DocumentsPage : public QTabWidget
{
    Q_OBJECT

public:
    enum Document { DailyPlan, List, Week, Contacts, ToDo };

    explicit DocumentsPage(QWidget* parent = nullptr);

    DailyPlanOptions dailyPlanOptions() const;
    void setPlanDates(const QDate& start, const QDate& end);
    int listSection() const;
    ListOptions listOptions() const;
    WeeklyOptions weeklyOptions() const;
    ContactFields contactFields() const;
    ToDoOptions toDoOptions() const;

Q_SIGNALS:
    void produceRequested(int document);

private:
    QWidget* page(int document, const QList<QWidget*>& options, const QString& help);
    QCheckBox* box(const QString& objectName, const QString& text, bool checked = false);
    bool ticked(const QString& objectName) const;

    QDateEdit* m_start;
    QDateEdit* m_end;
    QComboBox* m_section;
};

} // namespace brivane::documents::widgets
