#pragma once

#include "store/SettingsRecord.h"

#include <QSqlDatabase>
#include <QVariant>

namespace brivane::store {

// Reads and writes the settings record. Every value is bound; the user's
// texts (the password above all) never become part of a statement.
// Each writer returns false and fills `error` with the engine's message when
// the archive refuses the change; the record then keeps its previous values.
class SettingsStore
{
public:
    explicit SettingsStore(QSqlDatabase db) : m_db(std::move(db)) {}

    bool load(SettingsRecord& record, QString* error = nullptr) const;
    bool insertInitialRow(QString* error = nullptr) const;

    // The values the Options controls own, written together.
    bool fullSave(const SettingsRecord& record, QString* error = nullptr) const;
    bool colourSave(const QStringList& sectionColors, QString* error = nullptr) const;
    bool editorSave(const QString& fontName, const QString& fontColor, int fontSize, int charset,
                    const QString& backColor, QString* error = nullptr) const;
    // "Fix": a maximised window stores only its state; a normal one its size too.
    bool saveWindowSize(bool maximised, int width, int height, QString* error = nullptr) const;
    // One column written on its own (futuro_flag, futuro_days, scala_index, ampm,
    // hidetips, solalettura, theme_name, mem_group_..., migrationinfo).
    bool saveColumn(const QString& column, const QVariant& value, QString* error = nullptr) const;

    static QString fullSaveStatement();
    static QString colourSaveStatement();
    static QString editorSaveStatement();

private:
    bool run(const QString& statement, const QVariantMap& values, QString* error) const;

    QSqlDatabase m_db;
};

} // namespace brivane::store
