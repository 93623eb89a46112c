#include "themes/PictureFile.h"

#include <QFileInfo>
#include <QImageReader>

namespace brivane::themes {

namespace {

constexpr int kLargestSide = 4096;
const QRgb kKey = qRgb(255, 0, 255);

} // namespace

QImage loadThemePicture(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kLargestSide || size.height() > kLargestSide)
        return {};
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_ARGB32);
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

bool saveThemePicture(const QImage& image, const QString& path)
{
    QImage flat(image.size(), QImage::Format_RGB32);
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb ground = qRgb(224, 224, 224);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int alpha = qAlpha(in[x]);
            if (alpha < 128) {
                out[x] = kKey;
                continue;
            }
            const auto mix = [alpha](int c, int g) { return (c * alpha + g * (255 - alpha)) / 255; };
            out[x] = qRgb(mix(qRed(in[x]), qRed(ground)), mix(qGreen(in[x]), qGreen(ground)),
                          mix(qBlue(in[x]), qBlue(ground)));
        }
    }
    if (!flat.isNull())
        flat.setPixel(0, flat.height() - 1, kKey);
    return flat.save(path, "BMP");
}

} // namespace brivane::themes
