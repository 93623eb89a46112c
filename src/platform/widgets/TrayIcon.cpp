#include "platform/widgets/TrayIcon.h"

#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTimer>

namespace brivane::platform {

namespace {
std::optional<bool> availabilityOverride;
} // namespace

void TrayIcon::setAvailabilityOverride(std::optional<bool> available)
{
    availabilityOverride = available;
}

QIcon TrayIcon::imageIcon(int image)
{
    static const QColor colors[] = {QColor(0x2f, 0x6f, 0xb5), QColor(0xe0, 0x8a, 0x00), QColor(0xd0, 0x30, 0x30),
                                    QColor(0xe0, 0x8a, 0x00), QColor(0x90, 0x90, 0x90)};
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colors[qBound(0, image, 4)]);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRoundedRect(QRectF(2, 2, 28, 28), 7, 7);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(20);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("B"));
    return QIcon(pixmap);
}

TrayIcon::TrayIcon(QObject* parent) : QObject(parent)
{
    m_menu = new QMenu;
    m_menu->setObjectName(QStringLiteral("PopupMenuTray"));
    // One entry per section; they stay hidden until sections are offered there.
    const char* const sections[] = {"Giornalieri", "Annuali", "Mensili", "Settimanali", "Impegni",
                                    "Contatti",    "Note",    "Lista",   "Opzioni"};
    for (int section = 0; section < 9; ++section) {
        QAction* entry = m_menu->addAction(QLatin1String(sections[section]));
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this, [this, section] { Q_EMIT sectionRequested(section); });
    }
    m_menu->addSeparator();
    QAction* open = m_menu->addAction(QStringLiteral("Open Brivane Organizer"));
    m_menu->addSeparator();
    m_terminate = m_menu->addAction(QStringLiteral("Terminate"));
    connect(open, &QAction::triggered, this, &TrayIcon::openRequested);
    connect(m_terminate, &QAction::triggered, this, &TrayIcon::terminateRequested);
    m_blink = new QTimer(this);
    m_blink->setInterval(300);
    connect(m_blink, &QTimer::timeout, this, [this] { setImage(m_image >= 4 ? 0 : m_image + 1); });
    // The icon is made even while the desktop has no tray yet: Qt hands it to
    // a tray host that starts later.
    if (!availabilityOverride.has_value()) {
        m_icon = new QSystemTrayIcon(imageIcon(m_image), this);
        m_icon->setToolTip(QStringLiteral("Brivane Organizer"));
        m_icon->setContextMenu(m_menu);
        connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                Q_EMIT clicked();
        });
    }
}

TrayIcon::~TrayIcon()
{
    delete m_menu;
}

bool TrayIcon::isAvailable() const
{
    if (availabilityOverride.has_value())
        return *availabilityOverride;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::show()
{
    if (m_icon)
        m_icon->show();
}

void TrayIcon::hide()
{
    if (m_icon)
        m_icon->hide();
}

void TrayIcon::setImage(int image)
{
    if (m_image == image)
        return;
    m_image = image;
    if (m_icon)
        m_icon->setIcon(imageIcon(image));
}

void TrayIcon::startBlinking()
{
    if (!m_blink->isActive()) {
        setImage(1);
        m_blink->start();
    }
}

void TrayIcon::stopBlinking()
{
    m_blink->stop();
    setImage(0);
}

bool TrayIcon::isBlinking() const
{
    return m_blink->isActive();
}

void TrayIcon::setTerminateEnabled(bool enabled)
{
    m_terminate->setEnabled(enabled);
}

bool TrayIcon::isTerminateEnabled() const
{
    return m_terminate->isEnabled();
}

} // namespace brivane::platform
