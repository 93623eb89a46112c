#include "themes/TitleBarLook.h"

#include "themes/PictureFile.h"

#include <QDir>

namespace brivane::themes {

int TitleBarLook::height() const
{
    const int picture = middle.picture.isNull() ? 0 : middle.picture.height();
    return picture < 31 ? 30 : picture + 4;
}

TitleBarLook readTitleBar(const QString& folder)
{
    TitleBarLook look;
    const QDir dir(folder);
    const auto put = [&dir](const char* file, TitleBarLook::Area& area, bool stretched) {
        const QImage image = loadThemePicture(dir.filePath(QLatin1String(file)));
        if (image.isNull())
            return false;
        area.picture = image;
        area.stretched = stretched;
        return true;
    };
    put("barra_mid.bmp", look.middle, false);
    put("barra_dx.bmp", look.right, false);
    put("barra_sx.bmp", look.left, false);
    put("barra_dx_s.bmp", look.right, true);
    put("barra_sx_s.bmp", look.left, true);
    put("barra_mid_s.bmp", look.middle, true);
    if (put("barra_mid_f.bmp", look.middle, look.middle.stretched))
        look.titleShown = false;
    look.sidesShown = !put("barra_mid_x.bmp", look.middle, look.middle.stretched);
    return look;
}

} // namespace brivane::themes
