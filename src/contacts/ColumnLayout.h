#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace brivane::contacts {

// One column of the contact list: its field, title, width in pixels and
// whether it is shown.
struct ContactColumn
{
    QString field;
    QString title;
    int width = 0;
    bool visible = true;

    friend bool operator==(const ContactColumn&, const ContactColumn&) = default;
};

// The column layout files of the contact list, kept in the
// archive folder: sContactVertical (the user's layout) and
// sContactVertical.def (the designed layout, rewritten at every start).
//
// File format: a first line "Brivane contact columns 1", then one line per
// column in list order: field, title, width and 1/0 for visible, separated
// by tab characters. Written in one go (QSaveFile).
class ColumnLayout
{
public:
    static QString userFileName() { return QStringLiteral("sContactVertical"); }
    static QString defaultFileName() { return QStringLiteral("sContactVertical.def"); }
    static QString userFile(const QString& archiveFolder);
    static QString defaultFile(const QString& archiveFolder);

    // The ten designed columns: Name 218, Company, Group, Phone, Mobile,
    // Skype, Fax, E-mail, Web 120 each, and the note mark column 42.
    static QList<ContactColumn> designedColumns();
    static constexpr int kNoteMarkWidth = 42;

    static QString toText(const QList<ContactColumn>& columns);
    // Unknown fields are skipped; designed columns the text lacks are added
    // at the end, visible, with their designed width. Nothing when the text
    // is not a layout.
    static std::optional<QList<ContactColumn>> fromText(const QString& text);

    static bool save(const QString& path, const QList<ContactColumn>& columns, QString* error = nullptr);
    // Nothing when the file is missing or unreadable.
    static std::optional<QList<ContactColumn>> load(const QString& path);
};

} // namespace brivane::contacts
