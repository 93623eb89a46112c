#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace brivane::store {

// The eight Tab...Visible flags of the settings record, written together by
// the "Visible tabs" dialog (they take effect at the next start).
QString tabFlagsSaveStatement();
QStringList tabFlagColumns();
bool saveTabFlags(const QSqlDatabase& db, const QList<bool>& visible, QString* error = nullptr);

} // namespace brivane::store
