#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

namespace brivane::themes {

// The pictures of the themed buttons, by role. A role names one button of
// the window: "bar.about" … "bar.kill" for the title bar, and
// "<section>.<command>" for the tabs, with the sections "today", "day"
// (One Shot), "year", "month", "week", "contact", "note", "todo" and
// "option" (for example "day.add", "contact.map", "option.hint").
class ButtonPictures
{
public:
    // Every role, in a fixed order.
    static const QStringList& roles();

    QImage picture(const QString& role) const { return m_pictures.value(role); }
    void setPicture(const QString& role, const QImage& image) { m_pictures.insert(role, image); }
    bool contains(const QString& role) const { return m_pictures.contains(role); }

    // Loads `file` of `folder` into the role; a missing or unreadable file
    // leaves the role as it was. Returns whether the picture was replaced.
    bool load(const QString& folder, const QString& file, const QString& role);
    void copy(const QString& from, const QString& to) { m_pictures.insert(to, m_pictures.value(from)); }

private:
    QHash<QString, QImage> m_pictures;
};

// Loads and copies the button pictures of one theme folder over what the
// buttons show, finer files after group files, so a later layer overrides
// an earlier one button by button.
void applyButtonFiles(const QString& folder, ButtonPictures& pictures);

// A bitmap 39 pixels wide or wider holds the normal and the disabled
// picture side by side.
bool holdsTwoPictures(const QImage& image);
// The roles on the Options tab that decide the rule each by its own bitmap.
QStringList ownCountRoles();

} // namespace brivane::themes
