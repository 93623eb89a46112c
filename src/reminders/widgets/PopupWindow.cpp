#include "reminders/widgets/PopupWindow.h"

#include "platform/Shell.h"

#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace brivane::reminders::widgets {

namespace {

constexpr int kStripHeight = 3;
constexpr int kTitleTop = 6;
constexpr int kTitleLeft = 8;
constexpr int kTitleLeftBesideIcon = 48;
constexpr int kTextLeft = 7;
constexpr int kTextInset = 15; // the text is this much narrower than the window
constexpr int kGap = 4;

void setFamily(QFont& font, const QString& family)
{
    font.setFamilies({family});
}

int titleLeftOf(const PopupSettings& settings)
{
    return settings.iconBitmap.isNull() ? kTitleLeft : kTitleLeftBesideIcon;
}

int titleRoomOf(const PopupSettings& settings, int width)
{
    return width - titleLeftOf(settings) - kTitleLeft;
}

// The title as shown: its closing line breaks only pad it.
QString shownTitle(const PopupSettings& settings)
{
    QString title = settings.title;
    while (title.endsWith(u'\n') || title.endsWith(u'\r'))
        title.chop(1);
    return title;
}

// The title's height at a width, wrapped when it must be; at least one line
// and the icon's height.
int titleHeightOf(const PopupSettings& settings, int width)
{
    const QFontMetrics metrics(settings.titleFont);
    const QRect wrapped = metrics.boundingRect(QRect(0, 0, std::max(1, titleRoomOf(settings, width)), 100000),
                                               Qt::TextWordWrap, shownTitle(settings));
    int height = std::max(metrics.height(), wrapped.height()) + kGap;
    if (!settings.iconBitmap.isNull())
        height = std::max(height, settings.iconTop + settings.iconBitmap.height() - kTitleTop);
    return height;
}

int oneLineTitleHeightOf(const PopupSettings& settings)
{
    int height = QFontMetrics(settings.titleFont).height() + kGap;
    if (!settings.iconBitmap.isNull())
        height = std::max(height, settings.iconTop + settings.iconBitmap.height() - kTitleTop);
    return height;
}

} // namespace

PopupSettings PopupSettings::fittedToTitle(const QRect& workArea) const
{
    PopupSettings fitted = *this;
    const QFontMetrics metrics(titleFont);
    const int needed = metrics.horizontalAdvance(shownTitle(*this)) + titleLeftOf(*this) + kTitleLeft + 2;
    const int widest = workArea.isValid() ? workArea.width() - 2 * popupStartX : needed;
    if (needed > width)
        fitted.width = std::max(width, std::min(needed, widest));
    fitted.height += titleHeightOf(fitted, fitted.width) - oneLineTitleHeightOf(fitted);
    if (workArea.isValid())
        fitted.height = std::min(fitted.height, workArea.height() - 2 * popupStartY);
    return fitted;
}

PopupSettings::PopupSettings()
{
    hoverFont.setUnderline(true);
    titleFont.setBold(true);
}

PopupMetrics PopupSettings::metrics() const
{
    PopupMetrics metrics;
    metrics.size = QSize(width, height);
    metrics.startX = popupStartX;
    metrics.startY = popupStartY;
    metrics.marge = popupMarge;
    metrics.cascade = options.testFlag(pnCascadePopups);
    metrics.overlapWhenFull = options.testFlag(pnOverlapWhenFull);
    return metrics;
}

// The full-size face of a popup: background, icon and the strip along the
// bottom. The window shows part of it while sliding.
class PopupFace : public QWidget
{
public:
    PopupFace(const PopupSettings& settings, QWidget* parent) : QWidget(parent), m_settings(settings) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        paintBackground(painter);
        paintStrip(painter);
        // A hairline edge keeps the popup apart from a light desktop where no
        // shadow is drawn.
        painter.setPen(m_settings.gradientColor1.darker(135));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        if (!m_settings.iconBitmap.isNull())
            painter.drawPixmap(m_settings.iconLeft, m_settings.iconTop, m_settings.iconBitmap);
    }

private:
    void paintBackground(QPainter& painter)
    {
        const QPixmap& picture = m_settings.backgroundImage;
        if (picture.isNull()) {
            paintGradient(painter);
            return;
        }
        switch (m_settings.backgroundDrawMethod) {
        case dmTile:
            painter.drawTiledPixmap(rect(), picture);
            break;
        case dmFit:
            painter.drawPixmap(rect(), picture);
            break;
        case dmActualSize:
            // What the picture leaves uncovered keeps the gradient.
            paintGradient(painter);
            painter.drawPixmap(0, 0, picture);
            break;
        }
    }

    void paintGradient(QPainter& painter)
    {
        const QColor& from = m_settings.gradientColor1;
        const QColor& to = m_settings.gradientColor2;
        if (m_settings.gradientOrientation == mbVertical) {
            for (int row = 0; row < height(); ++row)
                painter.fillRect(0, row, width(), 1, gradientColor(from, to, row, height()));
        } else {
            for (int column = 0; column < width(); ++column)
                painter.fillRect(column, 0, 1, height(), gradientColor(from, to, column, width()));
        }
    }

    // A thin bar in a deeper shade of the first gradient colour, lighter in
    // the middle, underlines the popup.
    void paintStrip(QPainter& painter)
    {
        const QRect strip(0, height() - kStripHeight, width(), kStripHeight);
        const QColor base = m_settings.gradientColor1;
        QLinearGradient gradient(strip.topLeft(), strip.topRight());
        gradient.setColorAt(0.0, base.darker(160));
        gradient.setColorAt(0.5, base.darker(115));
        gradient.setColorAt(1.0, base.darker(160));
        painter.fillRect(strip, gradient);
    }

    const PopupSettings& m_settings;
};

PopupWindow::PopupWindow(const PopupSettings& settings, const PopupPlacement& placement,
                         const PopupTimings& timings)
    : QWidget(nullptr,
              Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      m_settings(settings), m_placement(placement), m_timings(timings)
{
    setObjectName(u"TPopupNotifierWindow"_s);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11NetWmWindowTypeNotification);
    setFocusPolicy(Qt::NoFocus);
    if (m_settings.options.testFlag(pnSystemFont)) {
        const QString family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        setFamily(m_settings.font, family);
        setFamily(m_settings.hoverFont, family);
        setFamily(m_settings.titleFont, family);
    }
    buildContent();

    m_growTimer.setInterval(m_timings.stepMs);
    m_shrinkTimer.setInterval(m_timings.stepMs);
    m_timeOutTimer.setSingleShot(true);
    connect(&m_growTimer, &QTimer::timeout, this, &PopupWindow::growStep);
    connect(&m_timeOutTimer, &QTimer::timeout, this, &PopupWindow::timeOutElapsed);
    connect(&m_shrinkTimer, &QTimer::timeout, this, &PopupWindow::shrinkStep);
}

PopupWindow::~PopupWindow() = default;

void PopupWindow::buildContent()
{
    const QSize size(m_settings.width, m_settings.height);
    m_face = new PopupFace(m_settings, this);
    m_face->setObjectName(u"Background"_s);
    m_face->setGeometry(QRect(QPoint(0, 0), size));
    m_face->installEventFilter(this);

    const int titleLeft = titleLeftOf(m_settings);
    const int titleHeight = titleHeightOf(m_settings, size.width());

    m_title = new QLabel(shownTitle(m_settings), m_face);
    m_title->setObjectName(u"Title"_s);
    m_title->setTextFormat(Qt::PlainText);
    m_title->setWordWrap(true);
    m_title->setFont(m_settings.titleFont);
    m_title->setGeometry(titleLeft, kTitleTop, size.width() - titleLeft - kTitleLeft, titleHeight);
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Clicks on the title count as clicks on the background.
    m_title->setAttribute(Qt::WA_TransparentForMouseEvents);

    const int textTop = kTitleTop + titleHeight + kGap / 2;
    m_text = new QLabel(m_settings.text, m_face);
    m_text->setObjectName(u"Text"_s);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setAlignment((m_settings.textAlignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    m_text->setGeometry(kTextLeft, textTop, size.width() - kTextInset,
                        size.height() - kStripHeight - kGap - textTop);
    m_text->setCursor(m_settings.textCursor);
    m_text->installEventFilter(this);
    setTextHovered(false);

    for (QLabel* label : {m_title, m_text})
        label->setFocusPolicy(Qt::NoFocus);
    QPalette titlePalette = m_title->palette();
    titlePalette.setColor(QPalette::WindowText, m_settings.titleFontColor);
    m_title->setPalette(titlePalette);
}

void PopupWindow::start()
{
    const TaskbarSide side = m_placement.side;
    if (side == TaskbarSide::Unknown) {
        // Nowhere to slide from: it appears where the windowing system puts
        // it and stays until clicked.
        resize(m_settings.width, m_settings.height);
        show();
        return;
    }
    if (m_settings.options.testFlag(pnAllowScroll)) {
        setThickness(1);
        show();
        m_growTimer.start();
    } else {
        setThickness(fullThickness(side, m_placement.rect.size()));
        show();
        startTimeOut();
    }
}

void PopupWindow::closePopup()
{
    if (m_closing)
        return;
    m_closing = true;
    m_growTimer.stop();
    m_timeOutTimer.stop();
    m_shrinkTimer.stop();
    hide();
    Q_EMIT closed();
    deleteLater();
}

void PopupWindow::tick()
{
    if (m_growTimer.isActive())
        growStep();
    else if (m_timeOutTimer.isActive())
        timeOutElapsed();
    else if (m_shrinkTimer.isActive())
        shrinkStep();
}

void PopupWindow::setThickness(int thickness)
{
    m_thickness = thickness;
    setGeometry(revealedRect(m_placement.side, m_placement.rect, thickness));
    m_face->move(contentOffset(m_placement.side, m_placement.rect.size(), thickness));
}

void PopupWindow::startTimeOut()
{
    if (m_settings.timeOut > 0)
        m_timeOutTimer.start(m_settings.timeOut * m_timings.secondMs);
}

void PopupWindow::growStep()
{
    const int full = fullThickness(m_placement.side, m_placement.rect.size());
    setThickness(grownThickness(m_thickness, full, m_settings.scrollSpeed));
    if (m_thickness >= full) {
        m_growTimer.stop();
        startTimeOut();
    }
}

void PopupWindow::timeOutElapsed()
{
    m_timeOutTimer.stop();
    m_shrinkTimer.start();
}

void PopupWindow::shrinkStep()
{
    const std::optional<int> next = shrunkThickness(m_thickness, m_settings.scrollSpeed);
    if (next)
        setThickness(*next);
    else
        closePopup();
}

bool PopupWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_face && watched != m_text)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // Taken here so the release comes back to the same part.
        return true;
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        if (m_closing || !widget->rect().contains(mouse->position().toPoint()))
            return true;
        if (watched == m_text) {
            textReleased(mouse->button());
        } else {
            Q_EMIT clicked(mouse->button());
            closePopup();
        }
        return true;
    }
    case QEvent::Enter:
        if (watched == m_text)
            setTextHovered(true);
        break;
    case QEvent::Leave:
        if (watched == m_text)
            setTextHovered(false);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void PopupWindow::textReleased(Qt::MouseButton button)
{
    if (button == Qt::LeftButton && m_settings.options.testFlag(pnAllowHyperlink)) {
        Q_EMIT urlClicked(m_settings.url);
        if (m_settings.options.testFlag(pnAutoOpenURL) && m_settings.url.isValid())
            platform::Shell::open(m_settings.url);
    } else {
        Q_EMIT clicked(button);
    }
    closePopup();
}

void PopupWindow::setTextHovered(bool hovered)
{
    const bool hover = hovered && m_settings.options.testFlag(pnAllowHyperlink);
    m_text->setFont(hover ? m_settings.hoverFont : m_settings.font);
    QPalette palette = m_text->palette();
    palette.setColor(QPalette::WindowText, hover ? m_settings.hoverFontColor : m_settings.fontColor);
    m_text->setPalette(palette);
}

} // namespace brivane::reminders::widgets
