#pragma once

#include <QColor>
#include <QList>

class QWidget;

namespace brivane::platform {

// The colour picker; scripted in tests (an invalid colour is a cancel).
class ColorDialog
{
public:
    static QColor choose(QWidget* parent, const QColor& initial);
    static void setScripted(bool scripted);
    static void setNextColors(const QList<QColor>& colors);
};

} // namespace brivane::platform
