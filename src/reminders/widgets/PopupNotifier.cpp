#include "reminders/widgets/PopupNotifier.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace brivane::reminders::widgets {

namespace {

// The named family when it is installed, else the desktop's general font.
QFont installedFont(const QString& family, int pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (QFontDatabase::families().contains(family))
        font.setFamilies({family});
    font.setPointSize(pointSize);
    return font;
}

// A small alarm clock, 31 × 22 pixels on a transparent ground.
QPixmap reminderIcon()
{
    QPixmap icon(31, 22);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x2B, 0x2F, 0x6B);
    const QPointF centre(15.5, 12.0);

    // Bells and feet.
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPie(QRectF(5.5, 0.5, 8, 8), 45 * 16, 180 * 16);
    painter.drawPie(QRectF(17.5, 0.5, 8, 8), -45 * 16, 180 * 16);
    painter.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10.0, 18.5), QPointF(8.0, 21.0));
    painter.drawLine(QPointF(21.0, 18.5), QPointF(23.0, 21.0));

    // Face and hands.
    painter.setPen(QPen(ink, 1.6));
    painter.setBrush(QColor(0xFF, 0xFB, 0xE8));
    painter.drawEllipse(centre, 8.0, 8.0);
    painter.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(0.0, -5.0));
    painter.setPen(QPen(QColor(0xC0, 0x20, 0x20), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(3.5, 1.5));
    return icon;
}

} // namespace

PopupNotifier::PopupNotifier(QObject* parent) : QObject(parent) {}

PopupNotifier::~PopupNotifier()
{
    for (const QPointer<PopupWindow>& window : std::as_const(m_windows)) {
        if (window) {
            window->disconnect(this);
            window->closePopup();
        }
    }
}

DesktopAreas PopupNotifier::desktop() const
{
    if (m_desktopOverride)
        return *m_desktopOverride;
    const QScreen* screen = m_screen ? m_screen.data() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {screen->geometry(), screen->availableGeometry()};
}

bool PopupNotifier::show()
{
    const DesktopAreas areas = desktop();
    const PopupSettings settings = m_settings.fittedToTitle(areas.workArea);
    const std::optional<PopupPlacement> placement = m_cascade.place(areas, settings.metrics());
    if (!placement)
        return false;

    auto* window = new PopupWindow(settings, *placement, m_timings);
    m_windows.append(window);
    connect(window, &PopupWindow::clicked, this, &PopupNotifier::clicked);
    connect(window, &PopupWindow::urlClicked, this, &PopupNotifier::urlClicked);
    connect(window, &PopupWindow::closed, this, [this, window] { popupClosed(window); });
    window->start();
    return true;
}

void PopupNotifier::closeAll()
{
    // Closing removes the window from the list, so work on a copy.
    const QList<QPointer<PopupWindow>> windows = m_windows;
    for (const QPointer<PopupWindow>& window : windows) {
        if (window)
            window->closePopup();
    }
}

QList<PopupWindow*> PopupNotifier::popups() const
{
    QList<PopupWindow*> open;
    for (const QPointer<PopupWindow>& window : m_windows) {
        if (window)
            open.append(window.data());
    }
    return open;
}

void PopupNotifier::popupClosed(PopupWindow* window)
{
    m_windows.removeAll(window);
    m_cascade.release();
}

PopupSettings PopupNotifier::reminderSettings()
{
    PopupSettings settings;
    settings.width = 480;
    settings.height = 130;
    settings.timeOut = 0;
    // The popups of one moment stack as far as the work area allows, then
    // overlap in shifted columns: each one is shown and its title readable.
    settings.options = pnAllowScroll | pnCascadePopups | pnOverlapWhenFull;
    settings.font = installedFont(u"MS Sans Serif"_s, 10);
    settings.hoverFont = installedFont(u"MS Sans Serif"_s, 8);
    settings.hoverFont.setUnderline(true);
    settings.titleFont = installedFont(u"Arial"_s, 10);
    settings.titleFont.setBold(true);
    settings.iconBitmap = reminderIcon();
    settings.gradientColor1 = QColor(0x9D, 0x9D, 0xCE);
    settings.gradientColor2 = Qt::white;
    settings.gradientOrientation = mbVertical;
    return settings;
}

} // namespace brivane::reminders::widgets
