#pragma once

#include "Timing.h"

#include <QString>

namespace brivane::bench {

// Address book and notes on archives of their own: a contact search
// keystroke on 50,000 contacts, CSV export and import of 10,000, a note
// search keystroke on 20,000 notes and reading a 1 MB note.
struct BookFigures
{
    Summary contactKeystroke;
    Summary contactFloor;
    int contactRows = 0;
    Summary csvExport;
    Summary csvImport;
    int imported = 0;
    Summary noteKeystroke;
    Summary noteFloor;
    int noteRows = 0;
    Summary bigNoteRead;
};

BookFigures measureBook(const QString& folder);

} // namespace brivane::bench
