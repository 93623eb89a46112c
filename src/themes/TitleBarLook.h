#pragma once

#include <QImage>

namespace brivane::themes {

// The pictures of the custom title bar: a left and a right area of 150
// pixels and a middle one that takes the rest.
struct TitleBarLook
{
    struct Area
    {
        QImage picture;
        bool stretched = false;
    };
    Area left;
    Area middle;
    Area right;
    bool titleShown = true;
    bool sidesShown = true;

    // 30 pixels, or the middle picture's height plus 4 when it is taller than 30.
    int height() const;
};

// Reads the barra_*.bmp files of a theme folder; every area starts empty.
TitleBarLook readTitleBar(const QString& folder);

} // namespace brivane::themes
