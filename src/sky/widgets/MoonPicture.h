#pragma once

#include "sky/MoonImage.h"

#include <QDateTime>
#include <QLabel>

namespace brivane::sky::widgets {

// The Moon of a moment as a small picture: the full Moon with its unlit part
// painted black. Every set of the date recomputes the phase and repaints.
class MoonPicture : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QDateTime date READ date WRITE setDate)
    Q_PROPERTY(bool markLanding READ markLanding WRITE setMarkLanding)

public:
    // Shows the current date and time, 64 pixels, classic, upright, landing marked.
    explicit MoonPicture(QWidget* parent = nullptr);

    QDateTime date() const { return m_date; }
    void setDate(const QDateTime& date);
    MoonSize moonSize() const { return m_options.size; }
    void setMoonSize(MoonSize size);
    MoonStyle moonStyle() const { return m_options.style; }
    void setMoonStyle(MoonStyle style);
    MoonRotation rotation() const { return m_options.rotation; }
    void setRotation(MoonRotation rotation);
    bool markLanding() const { return m_options.markLanding; }
    void setMarkLanding(bool mark);

    // The phase angle of the date in [0, 360).
    double angle() const { return double(m_angle); }
    QImage image() const { return m_image; }

private:
    void redraw();

    QDateTime m_date;
    Real m_angle = 0;
    MoonPictureOptions m_options;
    QImage m_image;
};

} // namespace brivane::sky::widgets
