#include "sky/widgets/MoonPicture.h"

#include "platform/Clock.h"

#include <QPixmap>

namespace brivane::sky::widgets {

MoonPicture::MoonPicture(QWidget* parent) : QLabel(parent)
{
    setMoonSize(MoonSize::ms64);
    setDate(platform::Clock::instance().now());
}

void MoonPicture::setDate(const QDateTime& date)
{
    m_date = date;
    m_angle = pictureAngle(date);
    redraw();
}

void MoonPicture::setMoonSize(MoonSize size)
{
    m_options.size = size;
    const int side = moonGeometry(size).side;
    setFixedSize(side, side);
    if (m_date.isValid())
        redraw();
}

void MoonPicture::setMoonStyle(MoonStyle style)
{
    if (style == m_options.style)
        return;
    m_options.style = style;
    redraw();
}

void MoonPicture::setRotation(MoonRotation rotation)
{
    if (rotation == m_options.rotation)
        return;
    m_options.rotation = rotation;
    redraw();
}

void MoonPicture::setMarkLanding(bool mark)
{
    if (mark == m_options.markLanding)
        return;
    m_options.markLanding = mark;
    redraw();
}

void MoonPicture::redraw()
{
    m_image = moonPicture(m_options, m_date, m_angle);
    setPixmap(QPixmap::fromImage(m_image));
}

} // namespace brivane::sky::widgets
