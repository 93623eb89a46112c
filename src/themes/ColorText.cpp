#include "themes/ColorText.h"

#include <QGuiApplication>
#include <QHash>
#include <QPalette>

namespace brivane::themes {

namespace {

struct Named
{
    const char* name;
    quint32 bgr;
};

// Fixed colours, value 0x00BBGGRR.
constexpr Named fixedColors[] = {
    {"clBlack", 0x000000},    {"clMaroon", 0x000080}, {"clGreen", 0x008000},      {"clOlive", 0x008080},
    {"clNavy", 0x800000},     {"clPurple", 0x800080}, {"clTeal", 0x808000},       {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},   {"clRed", 0x0000FF},    {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},     {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},      {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF},   {"clMedGray", 0xA4A0A0},
};

struct SystemColor
{
    const char* name;
    int index;
    QPalette::ColorRole role;
};

constexpr SystemColor systemColors[] = {
    {"clScrollBar", 0, QPalette::Button},          {"clBackground", 1, QPalette::Window},
    {"clActiveCaption", 2, QPalette::Highlight},   {"clInactiveCaption", 3, QPalette::Mid},
    {"clMenu", 4, QPalette::Window},               {"clWindow", 5, QPalette::Base},
    {"clWindowFrame", 6, QPalette::Shadow},        {"clMenuText", 7, QPalette::WindowText},
    {"clWindowText", 8, QPalette::Text},           {"clCaptionText", 9, QPalette::HighlightedText},
    {"clActiveBorder", 10, QPalette::Window},      {"clInactiveBorder", 11, QPalette::Window},
    {"clAppWorkSpace", 12, QPalette::Dark},        {"clHighlight", 13, QPalette::Highlight},
    {"clHighlightText", 14, QPalette::HighlightedText}, {"clBtnFace", 15, QPalette::Button},
    {"clBtnShadow", 16, QPalette::Dark},           {"clGrayText", 17, QPalette::PlaceholderText},
    {"clBtnText", 18, QPalette::ButtonText},       {"clInactiveCaptionText", 19, QPalette::WindowText},
    {"clBtnHighlight", 20, QPalette::Light},       {"cl3DDkShadow", 21, QPalette::Shadow},
    {"cl3DLight", 22, QPalette::Midlight},         {"clInfoText", 23, QPalette::ToolTipText},
    {"clInfoBk", 24, QPalette::ToolTipBase},       {"clGradientActiveCaption", 27, QPalette::Highlight},
    {"clGradientInactiveCaption", 28, QPalette::Mid},
};

QColor fromBgr(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QColor systemColor(QPalette::ColorRole role)
{
    return QGuiApplication::palette().color(role);
}

} // namespace

QColor colorFromText(const QString& text, const QColor& fallback)
{
    const QString trimmed = text.trimmed();
    for (const Named& named : fixedColors) {
        if (trimmed.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return fromBgr(named.bgr);
    }
    for (const SystemColor& system : systemColors) {
        if (trimmed.compare(QLatin1String(system.name), Qt::CaseInsensitive) == 0)
            return systemColor(system.role);
    }
    if (trimmed.compare(QLatin1String("clNone"), Qt::CaseInsensitive) == 0
        || trimmed.compare(QLatin1String("clDefault"), Qt::CaseInsensitive) == 0)
        return fallback;

    bool ok = false;
    qint64 value = trimmed.startsWith(QLatin1Char('$')) ? trimmed.mid(1).toLongLong(&ok, 16) : trimmed.toLongLong(&ok, 10);
    if (!ok)
        return fallback;
    const quint32 bits = quint32(value);
    if (bits & 0x80000000u) {
        const int index = int(bits & 0xFF);
        for (const SystemColor& system : systemColors) {
            if (system.index == index)
                return systemColor(system.role);
        }
        return fallback;
    }
    return fromBgr(bits & 0xFFFFFF);
}

bool isColorText(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const Named& named : fixedColors) {
        if (trimmed.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return true;
    }
    for (const SystemColor& system : systemColors) {
        if (trimmed.compare(QLatin1String(system.name), Qt::CaseInsensitive) == 0)
            return true;
    }
    if (trimmed.compare(QLatin1String("clNone"), Qt::CaseInsensitive) == 0
        || trimmed.compare(QLatin1String("clDefault"), Qt::CaseInsensitive) == 0)
        return true;
    bool ok = false;
    if (trimmed.startsWith(QLatin1Char('$')))
        trimmed.mid(1).toLongLong(&ok, 16);
    else
        trimmed.toLongLong(&ok, 10);
    return ok;
}

QString colorToText(const QColor& color)
{
    const quint32 bgr = quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
    for (const Named& named : fixedColors) {
        if (named.bgr == bgr)
            return QLatin1String(named.name);
    }
    return QStringLiteral("$") + QStringLiteral("%1").arg(bgr, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace brivane::themes
