#pragma once

#include <QByteArrayView>
#include <QSqlDatabase>
#include <QString>

namespace brivane::notes {

// The note search's "contains, ignoring letter case" test, as fast as a
// keystroke needs on a large archive. textContains(text, NEEDLE) gives the
// same answer as UPPER(text) LIKE "%" + NEEDLE + "%" with the archive's
// Unicode UPPER, for a needle already in upper case and free of the LIKE
// wildcards "%" and "_". Texts of plain ASCII are searched byte by byte;
// only a text holding a character whose upper case form brings in new
// ASCII letters (such as "ß" or "ı") is decoded and converted.
bool textContains(QByteArrayView utf8Text, QByteArrayView utf8UpperNeedle);

// Registers the test as the SQL function NOTE_CONTAINS(text, needle) on an
// open SQLite connection; false when the connection is not SQLite.
bool registerTextContains(const QSqlDatabase& db);

} // namespace brivane::notes
