#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>

namespace brivane::agenda {

// The repository of old one-shot tasks (BRshot80). Moved rows keep every
// column, their key included; each move copies and deletes in one
// transaction, so a row is always in exactly one of the two tables.
class Repository
{
public:
    explicit Repository(QSqlDatabase db) : m_db(std::move(db)) {}

    struct Counts
    {
        int inUse = 0;     // one-shot tasks in BRarc66
        int deposited = 0; // rows of BRshot80
        int total() const { return inUse + deposited; }
    };
    bool counts(Counts& counts, QString* error = nullptr) const;
    // The earliest day of a one-shot task, or an invalid date when none.
    QDate earliestOneShot(QString* error = nullptr) const;

    // The period runs from the earlier to the later of the two dates, both
    // included. Each returns the number of rows moved, or -1 on failure
    // (nothing moved).
    int deposit(const QDate& a, const QDate& b, QString* error = nullptr) const;
    int take(const QDate& a, const QDate& b, QString* error = nullptr) const;
    int takeAll(QString* error = nullptr) const;

    static QString depositCopyStatement();
    static QString depositDeleteStatement();
    static QString takeCopyStatement();
    static QString takeDeleteStatement();
    static QString takeAllCopyStatement();
    static QString takeAllDeleteStatement();

private:
    int move(const QString& copy, const QString& remove, const QDate& a, const QDate& b, bool period,
             QString* error) const;

    QSqlDatabase m_db;
};

} // namespace brivane::agenda
