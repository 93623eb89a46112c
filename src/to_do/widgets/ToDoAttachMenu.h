#pragma once

#include <QMenu>

namespace brivane::to_do::widgets {

// The menu of the To Do tab's "Attach" button: the first entry, captioned
// with the file name of the attachment, opens it; the second, captioned
// with the last part of the link text, finds the linked contact. An entry
// whose value is empty is left out. An attachment that names an existing
// file or folder shows that item's icon, any other a neutral picture.
class ToDoAttachMenu : public QMenu
{
    Q_OBJECT

public:
    explicit ToDoAttachMenu(QWidget* parent = nullptr);

    // Fills the menu for an item's attachment and link text.
    void setValues(const QString& attachment, const QString& link);

    // The last part of a path or address, after the last slash or backslash.
    static QString lastPathPart(const QString& text);

Q_SIGNALS:
    void attachmentRequested(const QString& attachment);
    void linkRequested(const QString& link);
};

} // namespace brivane::to_do::widgets
