#pragma once

#include <QColor>
#include <QDate>
#include <QDialog>
#include <QSqlDatabase>

class QDateEdit;
class QLabel;
class QPushButton;

namespace brivane::agenda::widgets {

// "One Shot repository": moves the one-shot tasks of a period into the
// repository table and back. Opened without blocking; destroyed on close.
class RepositoryDialog : public QDialog
{
    Q_OBJECT

public:
    // `from`/`to` invalid: from the earliest one-shot task to today.
    static RepositoryDialog* openDialog(QSqlDatabase db, const QDate& from, const QDate& to, const QDate& today,
                                        int scalePercent, const QColor& color, QWidget* parent);

Q_SIGNALS:
    // After each move: the one-shot list is to be run again.
    void moved();
    void errorRaised(const QString& message);

private:
    RepositoryDialog(QSqlDatabase db, const QColor& color, QWidget* parent);
    void refreshCounters();
    void deposit();
    void take();
    void takeAll();
    void afterMove(int count, const QString& error);

    // The connection is looked up by name at each use, so the dialog never
    // holds the archive open past the window.
    QSqlDatabase db() const { return QSqlDatabase::database(m_connection, false); }
    QString m_connection;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QLabel* m_inUse = nullptr;
    QLabel* m_deposited = nullptr;
    QLabel* m_total = nullptr;
    QPushButton* m_deposit = nullptr;
    QPushButton* m_take = nullptr;
    QPushButton* m_takeAll = nullptr;
};

} // namespace brivane::agenda::widgets
