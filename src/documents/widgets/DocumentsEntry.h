#pragma once

class QWidget;

namespace brivane::documents::widgets {

class DocumentsPage;

// Puts a "Documents" button (SpeedButton_Documents) at the foot of the
// special menu; it shows the Documents page in a window of its own, over
// the main window.
void addDocumentsEntry(QWidget* specialMenu, DocumentsPage* page);

} // namespace brivane::documents::widgets
