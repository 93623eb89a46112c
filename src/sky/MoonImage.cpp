#include "sky/MoonImage.h"

#include "sky/MoonArtwork.h"
#include "sky/PhaseAngle.h"

#include <cmath>

namespace brivane::sky {

namespace {

QImage rotated(const QImage& image, MoonRotation rotation)
{
    if (rotation == MoonRotation::rot_none)
        return image;
    const int w = image.width();
    const int h = image.height();
    const bool quarter = rotation != MoonRotation::rot_180;
    QImage turned(quarter ? h : w, quarter ? w : h, image.format());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            QPoint to;
            switch (rotation) {
            case MoonRotation::rot_90: // a quarter turn anticlockwise
                to = QPoint(y, w - 1 - x);
                break;
            case MoonRotation::rot_180:
                to = QPoint(w - 1 - x, h - 1 - y);
                break;
            default: // rot_270, a quarter turn clockwise
                to = QPoint(h - 1 - y, x);
                break;
            }
            turned.setPixel(to, image.pixel(x, y));
        }
    }
    return turned;
}

} // namespace

MoonGeometry moonGeometry(MoonSize size)
{
    switch (size) {
    case MoonSize::ms64:
        return {64, QPoint(31, 28), 28, QPoint(41, 29)};
    case MoonSize::ms32:
        return {32, QPoint(15, 14), 14, QPoint(20, 15)};
    case MoonSize::ms16:
        break;
    }
    return {16, QPoint(7, 7), 7, QPoint(9, 7)};
}

QString basePictureName(MoonSize size, MoonStyle style)
{
    const bool color = style == MoonStyle::msColor;
    switch (size) {
    case MoonSize::ms64:
        return color ? QStringLiteral("MOON_COLOR_LARGE") : QStringLiteral("MOON_LARGE");
    case MoonSize::ms32:
        return color ? QStringLiteral("MOON_COLOR_SMALL") : QStringLiteral("MOON_SMALL");
    case MoonSize::ms16:
        break;
    }
    return color ? QStringLiteral("MOON_COLOR_TINY") : QStringLiteral("MOON_TINY");
}

QDateTime landingMoment()
{
    return QDateTime(QDate(1969, 7, 20), QTime(20, 17, 43));
}

Real pictureAngle(const QDateTime& moment)
{
    return reduceAngle(phaseAngle(moment));
}

QImage moonPicture(const MoonPictureOptions& options, const QDateTime& moment, Real angle)
{
    const MoonGeometry geometry = moonGeometry(options.size);
    QImage image =
        basePicture(basePictureName(options.size, options.style)).convertToFormat(QImage::Format_RGB32);

    // Marked before the shadow, so the red pixel shows only where it is day.
    if (options.markLanding && moment > landingMoment())
        image.setPixel(geometry.landing, qRgb(255, 0, 0));

    // Row by row from the centre out: the dark run lies between the limb and
    // the terminator, an ellipse whose half-width is cos(angle) times the row's.
    const int cx = geometry.centre.x();
    const int cy = geometry.centre.y();
    const int r = geometry.radius;
    const Real c = std::cos(radians(angle));
    const bool waxing = angle < 180;
    const QRgb black = qRgb(0, 0, 0);
    for (int g = 0; g <= r; ++g) {
        const Real h = std::sqrt(Real(r * r - g * g));
        const int limb = int(std::nearbyint(h));
        const int terminator = int(std::nearbyint(c * h));
        int from = waxing ? cx - limb : cx + terminator;
        int to = waxing ? cx - terminator : cx + limb;
        if (from > to)
            std::swap(from, to);
        for (int y : {cy + g, cy - g}) {
            if (y < 0 || y >= image.height())
                continue;
            for (int x = qMax(from, 0); x <= qMin(to, image.width() - 1); ++x)
                image.setPixel(x, y, black);
        }
    }
    return rotated(image, options.rotation);
}

} // namespace brivane::sky
