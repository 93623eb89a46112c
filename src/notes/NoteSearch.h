#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace brivane::notes {

enum class SearchKind { All, Title, Text };
enum class NoteOrder { AlphabeticalAsc, AlphabeticalDesc, CreationAsc, CreationDesc };

// The choices of the Notes tab's search and the one SELECT they make: a
// substring of the title, the text or either, without regard to letter case
// (Unicode upper case, as the archive's UPPER), a substring of the group
// name (or the notes without a group), and one of four orders; equal titles
// follow the creation order. The search and group texts are bound, so
// quotes are found as typed; "%" and "_" act as wildcards. Only the key and
// the title are read: texts and groups stay in the archive until a note is
// opened.
struct NoteSearch
{
    SearchKind kind = SearchKind::All;
    QString text;
    // Empty: every note. "[ IS NULL ]" or "[ VUOTO ]": the notes without group.
    QString group;
    NoteOrder order = NoteOrder::AlphabeticalAsc;

    QString statement() const;
    // The values of the statement's parameters, by placeholder.
    QVariantMap bindings() const;

    // The statement uses the function NOTE_CONTAINS (notes/TextMatch.h) unless
    // the search text holds a wildcard.
    bool textHasWildcards() const;
    static bool isNoGroupFilter(const QString& group);
    // Entries of the search kind list and of the order menu, in list order.
    static QStringList kindCaptions();
    static QString orderCaption(NoteOrder order);
    static QList<NoteOrder> orders();
};

} // namespace brivane::notes
