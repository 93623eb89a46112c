#include "themes/BuiltinArt.h"

#include "themes/ColorText.h"

#include <QHash>
#include <QPainter>

namespace brivane::themes {

namespace {

// The art file of each role; roles not named take the art of their command.
QString artFor(const QString& role)
{
    static const QHash<QString, QString> special = {
        {QStringLiteral("today.hint"), QStringLiteral("help_hint")},
        {QStringLiteral("today.chk"), QStringLiteral("chk")},
        {QStringLiteral("todo.chk"), QStringLiteral("chk")},
        {QStringLiteral("today.add"), QStringLiteral("add")},
        {QStringLiteral("contact.add"), QStringLiteral("contact_add")},
        {QStringLiteral("note.add"), QStringLiteral("note_add")},
        {QStringLiteral("todo.add"), QStringLiteral("todo_add")},
        {QStringLiteral("todo.del"), QStringLiteral("todo_del")},
        {QStringLiteral("option.manual"), QStringLiteral("help_manual")},
        {QStringLiteral("option.web"), QStringLiteral("help_web")},
        {QStringLiteral("option.fb"), QStringLiteral("fb")},
        {QStringLiteral("option.piggy"), QStringLiteral("piggy")},
        {QStringLiteral("option.keyopen"), QStringLiteral("key")},
        {QStringLiteral("option.keyclose"), QStringLiteral("key")},
    };
    if (special.contains(role))
        return special.value(role);
    const QString section = role.section(QLatin1Char('.'), 0, 0);
    const QString command = role.section(QLatin1Char('.'), 1);
    if (section == QLatin1String("bar"))
        return QStringLiteral("bo_") + command;
    if (command == QLatin1String("hint"))
        return QStringLiteral("help_hint");
    if (section == QLatin1String("today") || section == QLatin1String("contact") || section == QLatin1String("note")) {
        const QString own = section == QLatin1String("today") ? QString(QStringLiteral("date_") + command)
                                                                : QString(section + QLatin1Char('_') + command);
        static const QStringList owned = {
            QStringLiteral("date_origin"),  QStringLiteral("date_back"),      QStringLiteral("date_next"),
            QStringLiteral("date_today"),   QStringLiteral("date_cal"),       QStringLiteral("contact_email"),
            QStringLiteral("contact_phone"), QStringLiteral("contact_web"),   QStringLiteral("contact_map"),
            QStringLiteral("note_hidelist"), QStringLiteral("note_save"),     QStringLiteral("note_breakline"),
            QStringLiteral("note_format"),  QStringLiteral("note_restore"),   QStringLiteral("note_find")};
        if (owned.contains(own))
            return own;
    }
    return command;
}

QImage loadArt(const QString& name)
{
    QImage image(QStringLiteral(":/themes/art/") + name + QStringLiteral(".png"));
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage withDisabledHalf(const QImage& glyph)
{
    QImage both(glyph.width() * 2, glyph.height(), QImage::Format_ARGB32);
    both.fill(Qt::transparent);
    QImage grey = glyph.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int level = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(level, level, level, qAlpha(line[x]) * 3 / 5);
        }
    }
    QPainter painter(&both);
    painter.drawImage(0, 0, glyph);
    painter.drawImage(glyph.width(), 0, grey);
    return both;
}

ButtonPictures builtinButtonPictures()
{
    static const ButtonPictures pictures = [] {
        ButtonPictures result;
        QHash<QString, QImage> made;
        for (const QString& role : ButtonPictures::roles()) {
            const QString art = artFor(role);
            if (!made.contains(art))
                made.insert(art, withDisabledHalf(loadArt(art)));
            result.setPicture(role, made.value(art));
        }
        return result;
    }();
    return pictures;
}

QImage notePicture()
{
    static const QImage note = loadArt(QStringLiteral("note"));
    return note;
}

QImage builtinPreview(const QStringList& sectionColors)
{
    QImage preview(372, 255, QImage::Format_RGB32);
    preview.fill(QColor(0xF4, 0xF4, 0xF4));
    QPainter painter(&preview);
    const QColor today = colorFromText(sectionColors.value(4), Qt::lightGray);
    painter.fillRect(0, 0, 372, 26, today);
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 372, 26), Qt::AlignCenter, QStringLiteral("Brivane Organizer"));
    const int tabWidth = 372 / 9;
    for (int i = 0; i < 9; ++i)
        painter.fillRect(i * tabWidth + 1, 30, tabWidth - 2, 18, colorFromText(sectionColors.value(i), Qt::gray));
    painter.setPen(QPen(today, 4));
    painter.drawRect(4, 52, 364, 199);
    for (int row = 0; row < 8; ++row) {
        const QColor stripe = row % 2 ? Qt::white : QColor(0xF4, 0xF4, 0xF4);
        painter.fillRect(16, 92 + row * 18, 340, 18, stripe);
        painter.fillRect(16, 92 + row * 18, 8, 18, colorFromText(sectionColors.value(row % 4), Qt::gray));
    }
    painter.fillRect(16, 72, 340, 20, today);
    return preview;
}

} // namespace brivane::themes
