#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

class QLabel;

namespace brivane::sky::widgets {

class MoonPicture;

// The black strip under the side calendar: the zodiac sign and the season of
// the viewed day, with a hint each, and the Moon of the viewed moment.
class SkyStrip : public QWidget
{
    Q_OBJECT

public:
    explicit SkyStrip(QWidget* parent = nullptr);

    // Writes the sign and the season of the day into the two value labels.
    void showZodiacAndSeason(const QDate& day);
    void showMoon(const QDateTime& moment);
    MoonPicture* moon() const { return m_moon; }

private:
    QLabel* m_sign;
    QLabel* m_season;
    MoonPicture* m_moon;
};

} // namespace brivane::sky::widgets
