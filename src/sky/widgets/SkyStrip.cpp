#include "sky/widgets/SkyStrip.h"

#include "sky/ZodiacSeason.h"
#include "sky/widgets/MoonPicture.h"

#include <QGridLayout>
#include <QLabel>

namespace brivane::sky::widgets {

namespace {

QLabel* stripLabel(const QString& text, const QColor& colour)
{
    auto* label = new QLabel(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

// A hint's lines are separated by a carriage return; the tooltip breaks on a line feed.
QString tooltipOf(const QString& hint)
{
    QString text = hint;
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

SkyStrip::SkyStrip(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel_SegnoStagione"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);

    const QColor caption(0xA0, 0xA0, 0xA0);
    m_sign = stripLabel(QStringLiteral(" Zodiaco"), Qt::white);
    m_sign->setObjectName(QStringLiteral("Label_Segno"));
    m_season = stripLabel(QStringLiteral(" Stagione"), Qt::white);
    m_season->setObjectName(QStringLiteral("Label_Stagione"));
    for (QLabel* value : {m_sign, m_season}) {
        QFont font = value->font();
        font.setBold(true);
        value->setFont(font);
    }

    m_moon = new MoonPicture;
    m_moon->setObjectName(QStringLiteral("Moon"));
    m_moon->setMoonSize(MoonSize::ms32);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 2, 4, 2);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(0);
    layout->addWidget(stripLabel(QStringLiteral("  Zodiac"), caption), 0, 0);
    layout->addWidget(m_sign, 0, 1);
    layout->addWidget(stripLabel(QStringLiteral("  Season"), caption), 1, 0);
    layout->addWidget(m_season, 1, 1);
    layout->addWidget(m_moon, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    layout->setColumnStretch(1, 1);
}

void SkyStrip::showZodiacAndSeason(const QDate& day)
{
    const ZodiacSeason texts = zodiacAndSeason(day);
    m_sign->setText(texts.signLabel);
    m_sign->setToolTip(tooltipOf(texts.signHint));
    m_season->setText(texts.seasonLabel);
    m_season->setToolTip(tooltipOf(texts.seasonHint));
}

void SkyStrip::showMoon(const QDateTime& moment)
{
    m_moon->setDate(moment);
}

} // namespace brivane::sky::widgets
