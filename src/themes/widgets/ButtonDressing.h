#pragma once

#include <QHash>
#include <QImage>
#include <QString>

class QToolButton;
class QWidget;

namespace brivane::themes {
class ButtonPictures;
}

namespace brivane::themes::widgets {

// The object name of the button each picture role dresses.
const QHash<QString, QString>& buttonNames();

// Shows a bitmap on a button: with `twoPictures` the left half is the normal
// picture and the right half the disabled one, else the whole bitmap is both.
void dressButton(QToolButton* button, const QImage& bitmap, bool twoPictures);

// Dresses every button of the window that a role names.
void dressButtons(QWidget* window, const ButtonPictures& pictures, bool twoPictures);

} // namespace brivane::themes::widgets
