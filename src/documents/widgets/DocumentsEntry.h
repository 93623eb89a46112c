#pragma once

class QToolButton;

namespace brivane::documents::widgets {

class DocumentsPage;

// Makes the special menu's "Documents" button show the Documents page in a
// window of its own, over the main window.
void addDocumentsEntry(QToolButton* button, DocumentsPage* page);

} // namespace brivane::documents::widgets
