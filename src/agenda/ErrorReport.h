#pragma once

#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QString>

namespace brivane::agenda {

// The archive functions of the agenda throw nothing: they return false, -1
// or an empty optional and, when the caller passes a text, put the reason in it.
inline void reportError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

inline void reportError(QString* error, const QSqlError& sqlError)
{
    reportError(error, store::archiveErrorText(sqlError));
}

} // namespace brivane::agenda
