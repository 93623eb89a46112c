#pragma once

#include <QColor>
#include <QString>

namespace brivane::themes {

// Colours are kept as colour texts: a name such as "clBlack" or "clBtnFace",
// or "$" and eight hexadecimal digits of 0x00BBGGRR. System colour names
// stand for the desktop's current colour of that element.
QColor colorFromText(const QString& text, const QColor& fallback = QColor());
QString colorToText(const QColor& color);
// True when the text is a colour name or an integer (decimal, or hexadecimal
// after "$"), that is when colorFromText can read it.
bool isColorText(const QString& text);

} // namespace brivane::themes
