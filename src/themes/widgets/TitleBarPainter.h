#pragma once

#include "themes/TitleBarLook.h"

#include <QObject>

class QLabel;
class QWidget;

namespace brivane::themes::widgets {

// Paints the theme's pictures behind the main window's title bar: a left
// and a right area of 150 pixels and the middle between them.
class TitleBarPainter : public QObject
{
    Q_OBJECT

public:
    TitleBarPainter(QWidget* bar, QLabel* title);

    void setLook(const TitleBarLook& look);
    const TitleBarLook& look() const { return m_look; }
    // The rectangles the three areas take in the bar (empty when hidden).
    QRect leftArea() const;
    QRect middleArea() const;
    QRect rightArea() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_bar;
    QLabel* m_title;
    TitleBarLook m_look;
};

} // namespace brivane::themes::widgets
