#pragma once

#include <QColor>
#include <QString>

class QDialog;
class QLayout;

namespace brivane::ui {

// Gives a dialog the program's own look: no system title bar, a coloured
// title and border, moved by dragging either. `content` becomes the body.
void frameDialog(QDialog* dialog, QLayout* content, const QString& title, const QColor& color);

} // namespace brivane::ui
