#include "sky/MoonArtwork.h"

#include "sky/MoonImage.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>

namespace brivane::sky {

namespace {

// A dark plain (mare) as a soft ellipse on the unit disc, x right, y down,
// the Moon as it is seen from the northern hemisphere.
struct Mare
{
    double x, y, rx, ry;
};

constexpr std::array<Mare, 12> kMaria{{
    {-0.30, -0.40, 0.28, 0.22}, // Imbrium
    {0.15, -0.36, 0.15, 0.13},  // Serenitatis
    {0.35, -0.04, 0.21, 0.16},  // Tranquillitatis, the landing site
    {0.69, -0.25, 0.11, 0.09},  // Crisium
    {0.60, 0.20, 0.13, 0.18},   // Fecunditatis
    {0.38, 0.36, 0.09, 0.08},   // Nectaris
    {-0.62, -0.05, 0.26, 0.45}, // Procellarum
    {-0.18, 0.38, 0.18, 0.14},  // Nubium
    {-0.50, 0.43, 0.09, 0.08},  // Humorum
    {-0.05, -0.72, 0.42, 0.06}, // Frigoris
    {-0.02, -0.18, 0.08, 0.06}, // Vaporum
    {-0.35, 0.10, 0.14, 0.10},  // Cognitum
}};

// Bright young craters: Tycho, Copernicus, Kepler, Aristarchus.
constexpr std::array<Mare, 4> kCraters{{
    {-0.15, 0.76, 0.05, 0.05},
    {-0.32, -0.12, 0.04, 0.04},
    {-0.54, -0.10, 0.03, 0.03},
    {-0.66, -0.32, 0.03, 0.03},
}};

double softInside(const Mare& e, double x, double y)
{
    const double dx = (x - e.x) / e.rx;
    const double dy = (y - e.y) / e.ry;
    const double d = std::sqrt(dx * dx + dy * dy);
    return d <= 0.8 ? 1.0 : d >= 1.2 ? 0.0 : (1.2 - d) / 0.4;
}

// A fixed grain of small craters, the same on every run.
double grain(double x, double y)
{
    const int ix = int(std::floor(x * 23.0));
    const int iy = int(std::floor(y * 23.0));
    unsigned h = unsigned(ix * 73856093) ^ unsigned(iy * 19349663);
    h = (h ^ (h >> 13)) * 1274126177u;
    return double(h & 0xffu) / 255.0 - 0.5;
}

struct Surface
{
    double brightness; // 0 to 1
    double mare;       // 0 highland to 1 mare
};

Surface surfaceAt(double x, double y)
{
    double mare = 0;
    for (const Mare& m : kMaria)
        mare = std::max(mare, softInside(m, x, y));
    double crater = 0;
    for (const Mare& c : kCraters)
        crater = std::max(crater, softInside(c, x, y));
    const double z = std::sqrt(std::max(0.0, 1.0 - x * x - y * y));
    const double limb = 0.78 + 0.22 * z;
    const double albedo = 0.86 - 0.30 * mare + 0.14 * crater + 0.05 * grain(x, y);
    return {std::clamp(albedo * limb, 0.2, 1.0), mare};
}

// Whether a pixel belongs to the disc: the rows the shadow is painted on,
// but for the single pixels at the very top and bottom, which would stand
// out of the outline (the shadow blackens them at every phase anyway).
bool inDisc(const MoonGeometry& g, int x, int y)
{
    const int dy = std::abs(y - g.centre.y());
    if (dy >= g.radius)
        return false;
    const int half = int(std::nearbyint(std::sqrt(double(g.radius * g.radius - dy * dy))));
    return std::abs(x - g.centre.x()) <= half;
}

QImage draw(MoonSize size, MoonStyle style)
{
    const MoonGeometry g = moonGeometry(size);
    QImage image(g.side, g.side, QImage::Format_Indexed8);
    const bool color = style == MoonStyle::msColor;
    QList<QRgb> palette;
    if (color) {
        // 16 brightness steps of 16 tints from the warm highland to the grey-blue mare.
        for (int b = 0; b < 16; ++b) {
            for (int m = 0; m < 16; ++m) {
                const double t = m / 15.0;
                const double k = b / 15.0;
                palette << qRgb(int(k * (255 - 105 * t)), int(k * (238 - 88 * t)), int(k * (200 - 30 * t)));
            }
        }
    } else {
        for (int level = 0; level < 16; ++level)
            palette << qRgb(level * 17, level * 17, level * 17);
    }
    image.setColorTable(palette);
    image.fill(0);

    constexpr int kSamples = 4;
    const double scale = g.radius + 0.5;
    for (int y = 0; y < g.side; ++y) {
        for (int x = 0; x < g.side; ++x) {
            if (!inDisc(g, x, y))
                continue;
            double brightness = 0;
            double mare = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double u = (x - g.centre.x() + (sx + 0.5) / kSamples - 0.5) / scale;
                    const double v = (y - g.centre.y() + (sy + 0.5) / kSamples - 0.5) / scale;
                    const Surface s = surfaceAt(u, v);
                    brightness += s.brightness;
                    mare += s.mare;
                }
            }
            brightness /= kSamples * kSamples;
            mare /= kSamples * kSamples;
            const int index =
                color ? std::max(1, int(std::lround(brightness * 15))) * 16 + int(std::lround(mare * 15))
                      : std::max(1, int(std::lround(brightness * 15)));
            image.setPixel(x, y, uint(index));
        }
    }
    return image;
}

} // namespace

QImage basePicture(const QString& name)
{
    static QHash<QString, QImage> pictures;
    if (pictures.isEmpty()) {
        for (MoonSize size : {MoonSize::ms64, MoonSize::ms32, MoonSize::ms16}) {
            for (MoonStyle style : {MoonStyle::msClassic, MoonStyle::msColor})
                pictures.insert(basePictureName(size, style), draw(size, style));
        }
    }
    return pictures.value(name);
}

} // namespace brivane::sky
