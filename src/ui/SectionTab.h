#pragma once

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QVBoxLayout;

namespace brivane::ui {

// The frame every list section shares: a search field, the record counter
// and the hint button above the section's own content.
class SectionTab : public QWidget
{
    Q_OBJECT

public:
    SectionTab(const QString& searchName, const QString& counterName, const QString& hintName,
               const QString& hintText, QWidget* parent = nullptr);

    void setCounter(const QString& caption);
    QLineEdit* searchField() const { return m_search; }
    QHBoxLayout* toolbar() const { return m_toolbar; }
    QVBoxLayout* body() const { return m_body; }

private:
    QLineEdit* m_search;
    QLabel* m_counter;
    QHBoxLayout* m_toolbar;
    QVBoxLayout* m_body;
};

} // namespace brivane::ui
