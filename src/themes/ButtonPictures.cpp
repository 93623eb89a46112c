#include "themes/ButtonPictures.h"

#include "themes/PictureFile.h"

#include <QDir>

namespace brivane::themes {

namespace {

const QStringList kListSections = {QStringLiteral("day"), QStringLiteral("year"), QStringLiteral("month"),
                                   QStringLiteral("week")};

QString r(const QString& section, const char* command)
{
    return section + QLatin1Char('.') + QLatin1String(command);
}

} // namespace

const QStringList& ButtonPictures::roles()
{
    static const QStringList all = [] {
        QStringList list;
        for (const char* bar : {"about", "fix", "refresh", "iconize", "minimize", "maximize", "kill"})
            list << r(QStringLiteral("bar"), bar);
        for (const char* today : {"hint", "add", "del", "mod", "exp", "chk", "origin", "back", "next", "today", "cal",
                                  "print"})
            list << r(QStringLiteral("today"), today);
        for (const QString& section : kListSections) {
            for (const char* command : {"hint", "add", "del", "mod", "dup", "invert", "print"})
                list << r(section, command);
        }
        for (const char* contact : {"hint", "add", "del", "mod", "imp", "exp", "dup", "email", "phone", "web", "map",
                                    "invert", "print"})
            list << r(QStringLiteral("contact"), contact);
        for (const char* note : {"hint", "add", "del", "mod", "hidelist", "save", "imp", "exp", "breakline",
                                 "format", "restore", "find", "print", "dup", "invert"})
            list << r(QStringLiteral("note"), note);
        for (const char* todo : {"hint", "add", "del", "mod", "dup", "exp", "chk", "invert", "print"})
            list << r(QStringLiteral("todo"), todo);
        for (const char* option : {"hint", "manual", "web", "fb", "piggy", "keyopen", "keyclose"})
            list << r(QStringLiteral("option"), option);
        return list;
    }();
    return all;
}

bool ButtonPictures::load(const QString& folder, const QString& file, const QString& role)
{
    const QImage image = loadThemePicture(QDir(folder).filePath(file));
    if (image.isNull())
        return false;
    m_pictures.insert(role, image);
    return true;
}

void applyButtonFiles(const QString& folder, ButtonPictures& p)
{
    const auto load = [&](const QString& file, const QString& role) { return p.load(folder, file, role); };
    const auto loadSection = [&](const QString& prefix, const QString& section, const QStringList& commands) {
        for (const QString& command : commands)
            load(prefix + QLatin1Char('_') + command + QStringLiteral(".bmp"), section + QLatin1Char('.') + command);
    };
    const QString today = QStringLiteral("today");
    const QString day = QStringLiteral("day");

    // Title bar and the Today hint.
    for (const char* bar : {"about", "fix", "refresh", "iconize", "minimize", "maximize", "kill"})
        load(QStringLiteral("bo_") + QLatin1String(bar) + QStringLiteral(".bmp"), r(QStringLiteral("bar"), bar));
    load(QStringLiteral("help_hint.bmp"), r(today, "hint"));
    for (const QString& section : kListSections + QStringList{QStringLiteral("contact"), QStringLiteral("note"),
                                                              QStringLiteral("todo"), QStringLiteral("option")})
        p.copy(r(today, "hint"), section + QStringLiteral(".hint"));

    // Today, then the task lists from it.
    for (const char* command : {"add", "del", "mod", "exp", "chk", "origin", "back", "next", "today", "cal"})
        load(QStringLiteral("date_") + QLatin1String(command) + QStringLiteral(".bmp"), r(today, command));
    load(QStringLiteral("print.bmp"), r(today, "print"));
    for (const char* command : {"add", "del", "mod", "print"})
        p.copy(r(today, command), r(day, command));
    load(QStringLiteral("invert.bmp"), r(day, "invert"));
    load(QStringLiteral("date_dup.bmp"), r(day, "dup"));
    for (const QString& section : kListSections.mid(1)) {
        for (const char* command : {"add", "del", "mod", "print"})
            p.copy(r(today, command), r(section, command));
        p.copy(r(day, "dup"), r(section, "dup"));
        p.copy(r(day, "invert"), r(section, "invert"));
    }
    p.copy(r(today, "print"), QStringLiteral("contact.print"));

    // Contacts, Notes, To Do, Options.
    loadSection(QStringLiteral("contact"), QStringLiteral("contact"),
                {QStringLiteral("add"), QStringLiteral("del"), QStringLiteral("mod"), QStringLiteral("imp"),
                 QStringLiteral("exp"), QStringLiteral("dup"), QStringLiteral("email"), QStringLiteral("phone"),
                 QStringLiteral("web"), QStringLiteral("map")});
    for (const char* section : {"contact", "todo", "note"})
        p.copy(r(day, "invert"), QLatin1String(section) + QStringLiteral(".invert"));
    p.copy(r(day, "dup"), QStringLiteral("note.dup"));
    loadSection(QStringLiteral("note"), QStringLiteral("note"),
                {QStringLiteral("add"), QStringLiteral("del"), QStringLiteral("mod"), QStringLiteral("hidelist"),
                 QStringLiteral("save"), QStringLiteral("imp"), QStringLiteral("exp"), QStringLiteral("breakline"),
                 QStringLiteral("format"), QStringLiteral("restore"), QStringLiteral("find")});
    p.copy(r(today, "print"), QStringLiteral("note.print"));
    loadSection(QStringLiteral("todo"), QStringLiteral("todo"),
                {QStringLiteral("add"), QStringLiteral("del"), QStringLiteral("mod"), QStringLiteral("dup"),
                 QStringLiteral("exp"), QStringLiteral("chk")});
    load(QStringLiteral("help_manual.bmp"), QStringLiteral("option.manual"));
    load(QStringLiteral("help_web.bmp"), QStringLiteral("option.web"));
    p.copy(r(today, "print"), QStringLiteral("todo.print"));

    // Group files dress one button and are copied to its kin.
    const QStringList everyInsertSection = {QStringLiteral("day"),     QStringLiteral("year"), QStringLiteral("week"),
                                            QStringLiteral("month"),   QStringLiteral("contact"),
                                            QStringLiteral("note"),    QStringLiteral("todo")};
    for (const char* command : {"add", "del", "mod"}) {
        if (load(QLatin1String(command) + QStringLiteral(".bmp"), r(today, command))) {
            for (const QString& section : everyInsertSection)
                p.copy(r(today, command), r(section, command));
        }
    }
    if (load(QStringLiteral("dup.bmp"), r(day, "dup"))) {
        for (const char* section : {"year", "week", "month", "contact", "todo", "note"})
            p.copy(r(day, "dup"), QLatin1String(section) + QStringLiteral(".dup"));
    }
    if (load(QStringLiteral("imp.bmp"), QStringLiteral("contact.imp")))
        p.copy(QStringLiteral("contact.imp"), QStringLiteral("note.imp"));
    if (load(QStringLiteral("exp.bmp"), QStringLiteral("contact.exp"))) {
        for (const char* section : {"today", "note", "todo"})
            p.copy(QStringLiteral("contact.exp"), QLatin1String(section) + QStringLiteral(".exp"));
    }
    if (load(QStringLiteral("chk.bmp"), r(today, "chk")))
        p.copy(r(today, "chk"), QStringLiteral("todo.chk"));
    load(QStringLiteral("fb.bmp"), QStringLiteral("option.fb"));
    if (load(QStringLiteral("key.bmp"), QStringLiteral("option.keyopen")))
        p.copy(QStringLiteral("option.keyopen"), QStringLiteral("option.keyclose"));
    load(QStringLiteral("piggy.bmp"), QStringLiteral("option.piggy"));

    // Finer files, one button each.
    loadSection(QStringLiteral("contact"), QStringLiteral("contact"),
                {QStringLiteral("invert"), QStringLiteral("print"), QStringLiteral("hint")});
    loadSection(QStringLiteral("note"), QStringLiteral("note"),
                {QStringLiteral("print"), QStringLiteral("hint"), QStringLiteral("dup"), QStringLiteral("invert")});
    loadSection(QStringLiteral("todo"), QStringLiteral("todo"),
                {QStringLiteral("invert"), QStringLiteral("print"), QStringLiteral("hint")});
    loadSection(today, today,
                {QStringLiteral("add"), QStringLiteral("mod"), QStringLiteral("del"), QStringLiteral("exp"),
                 QStringLiteral("print"), QStringLiteral("hint")});
    load(QStringLiteral("option_hint.bmp"), QStringLiteral("option.hint"));
    for (const QString& section : kListSections) {
        loadSection(section, section,
                    {QStringLiteral("add"), QStringLiteral("del"), QStringLiteral("mod"), QStringLiteral("dup"),
                     QStringLiteral("invert"), QStringLiteral("print"), QStringLiteral("hint")});
    }
}

bool holdsTwoPictures(const QImage& image)
{
    return image.width() >= 39;
}

QStringList ownCountRoles()
{
    return {QStringLiteral("option.fb"), QStringLiteral("option.piggy"), QStringLiteral("option.web"),
            QStringLiteral("option.manual"), QStringLiteral("option.hint")};
}

} // namespace brivane::themes
