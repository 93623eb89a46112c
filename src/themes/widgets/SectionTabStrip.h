#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>

class QTabBar;

namespace brivane::themes::widgets {

// Draws the main tab strip itself: tab n filled with section colour n and
// its caption centred on one line in the tab strip font. Switched off, the
// strip is left to the system's drawing.
class SectionTabStrip : public QObject
{
    Q_OBJECT

public:
    explicit SectionTabStrip(QTabBar* bar);

    void setFilled(bool filled);
    bool isFilled() const { return m_filled; }
    void setColors(const QList<QColor>& colors, const QColor& captionColor);
    // The colour tab `index` is filled with (invalid while system-drawn).
    QColor fillOf(int index) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paint();

    QTabBar* m_bar;
    bool m_filled = false;
    QList<QColor> m_colors;
    QColor m_caption = Qt::black;
};

} // namespace brivane::themes::widgets
