#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace brivane::notes::widgets {

// The find box of the note editor: a text and "Find next", without the
// options of letter case, whole word and direction. It stays open beside
// the editor; every request goes to findRequested.
class FindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FindDialog(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

Q_SIGNALS:
    void findRequested(const QString& text);

private:
    QLineEdit* m_text;
    QPushButton* m_next;
};

} // namespace brivane::notes::widgets
