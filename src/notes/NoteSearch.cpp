#include "notes/NoteSearch.h"

#include "store/LocaleCollation.h"
using namespace Qt::StringLiterals;

namespace brivane::notes {

namespace {

// The pattern of a case-insensitive "contains": the archive compares the
// upper-case column with it.
QString containsPattern(const QString& text)
{
    return u'%' + text.toUpper() + u'%';
}

} // namespace

bool NoteSearch::textHasWildcards() const
{
    return text.contains(u'%') || text.contains(u'_');
}

bool NoteSearch::isNoGroupFilter(const QString& group)
{
    return group == "[ IS NULL ]"_L1 || group == "[ VUOTO ]"_L1;
}

QString NoteSearch::statement() const
{
    QStringList conditions;
    // An empty search text lists every note, also one whose title or text is null.
    if (!text.isEmpty()) {
        // A text with the wildcards "%" or "_" keeps their meaning; any other
        // is looked for by NOTE_CONTAINS, which answers alike, only faster.
        const bool like = textHasWildcards();
        const auto test = [like](const char* column) -> QString {
            if (like)
                return u"UPPER("_s + QLatin1StringView(column) + u") LIKE :text"_s;
            return u"NOTE_CONTAINS("_s + QLatin1StringView(column) + u", :text)"_s;
        };
        switch (kind) {
        case SearchKind::All:
            conditions << u'(' + test("id") + u" OR "_s + test("note") + u')';
            break;
        case SearchKind::Title:
            conditions << u'(' + test("id") + u')';
            break;
        case SearchKind::Text:
            conditions << u'(' + test("note") + u')';
            break;
        }
    }
    if (isNoGroupFilter(group))
        // Notes stored without group hold either null or an empty name.
        conditions << u"(gruppo IS NULL OR gruppo = '')"_s;
    else if (!group.isEmpty())
        conditions << u"UPPER(gruppo) LIKE :group"_s;

    QString order;
    switch (this->order) {
    case NoteOrder::AlphabeticalAsc:
        order = store::localeOrdered(u"id"_s);
        break;
    case NoteOrder::AlphabeticalDesc:
        order = store::localeOrdered(u"id"_s) + u" DESC"_s;
        break;
    case NoteOrder::CreationAsc:
        order = u"codnot"_s;
        break;
    case NoteOrder::CreationDesc:
        order = u"codnot DESC"_s;
        break;
    }
    // Equal titles follow the creation order, so a re-run keeps every row in place.
    return u"SELECT codnot, id FROM BRnot80"_s +
           (conditions.isEmpty() ? QString() : u"\nWHERE "_s + conditions.join(u"\nAND "_s)) +
           u"\nORDER BY "_s + order + u",codnot"_s;
}

QVariantMap NoteSearch::bindings() const
{
    QVariantMap values;
    if (!text.isEmpty())
        values.insert(u":text"_s, textHasWildcards() ? containsPattern(text) : text.toUpper());
    if (!group.isEmpty() && !isNoGroupFilter(group))
        values.insert(u":group"_s, containsPattern(group));
    return values;
}

QStringList NoteSearch::kindCaptions()
{
    return {u"All"_s, u"Title"_s, u"Text"_s};
}

QString NoteSearch::orderCaption(NoteOrder order)
{
    switch (order) {
    case NoteOrder::AlphabeticalAsc:
        return u"Alphabetical ASC"_s;
    case NoteOrder::AlphabeticalDesc:
        return u"Alphabetical DESC"_s;
    case NoteOrder::CreationAsc:
        return u"Creation ASC"_s;
    case NoteOrder::CreationDesc:
        return u"Creation DESC"_s;
    }
    return {};
}

QList<NoteOrder> NoteSearch::orders()
{
    return {NoteOrder::AlphabeticalAsc, NoteOrder::AlphabeticalDesc, NoteOrder::CreationAsc,
            NoteOrder::CreationDesc};
}

} // namespace brivane::notes
