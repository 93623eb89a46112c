#include "shell/TopBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>

namespace brivane::shell {

namespace {

QToolButton* barButton(QWidget* parent, const QString& name, const QString& hint, QStyle::StandardPixmap icon,
                       const QString& text = QString())
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    if (text.isEmpty()) {
        button->setIcon(parent->style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        button->setText(text);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    return button;
}

} // namespace

TopBar::TopBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel_Top"));
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    layout->setSpacing(2);

    auto* about = barButton(this, QStringLiteral("SpeedButtonAbout"), QStringLiteral("About"),
                            QStyle::SP_MessageBoxInformation);
    m_pin = barButton(this, QStringLiteral("SpeedButtonTOP"), QStringLiteral("Pin"), QStyle::SP_TitleBarShadeButton,
                      QStringLiteral("Pin"));
    m_pin->setCheckable(true);
    m_refreshAll = barButton(this, QStringLiteral("SpeedButtonAggiornaTutto"), QStringLiteral("Refresh all"),
                             QStyle::SP_BrowserReload);
    m_migration = barButton(this, QStringLiteral("SpeedButtonMigrationInfo"), QStringLiteral("Message"),
                            QStyle::SP_MessageBoxWarning);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("panel_credit"));
    m_caption->setText(QStringLiteral("Brivane Organizer"));
    QFont captionFont = m_caption->font();
    captionFont.setBold(true);
    m_caption->setFont(captionFont);
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setMinimumWidth(80);
    m_caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_defaultSize = barButton(this, QStringLiteral("SpeedButtonDimConsigliate"), QStringLiteral("Default"),
                              QStyle::SP_TitleBarNormalButton, QStringLiteral("Default"));
    auto* iconize = barButton(this, QStringLiteral("SpeedButton_MINIMIZE"), QStringLiteral("Iconize"),
                              QStyle::SP_ArrowDown);
    auto* minimize = barButton(this, QStringLiteral("SpeedButton_minimize_bar"), QStringLiteral("Minimize"),
                               QStyle::SP_TitleBarMinButton);
    m_winSize = barButton(this, QStringLiteral("SpeedButtonWinSize"), QStringLiteral("Maximize/Restore"),
                          QStyle::SP_TitleBarMaxButton);
    auto* terminate = barButton(this, QStringLiteral("SpeedButtonEXIT"), QStringLiteral("Terminate"),
                                QStyle::SP_TitleBarCloseButton);

    layout->addWidget(about);
    layout->addWidget(m_pin);
    layout->addWidget(m_refreshAll);
    layout->addWidget(m_migration);
    layout->addWidget(m_caption, 1);
    layout->addWidget(m_defaultSize);
    layout->addWidget(iconize);
    layout->addWidget(minimize);
    layout->addWidget(m_winSize);
    layout->addWidget(terminate);

    connect(about, &QToolButton::clicked, this, &TopBar::aboutClicked);
    connect(m_pin, &QToolButton::toggled, this, &TopBar::pinToggled);
    connect(m_refreshAll, &QToolButton::clicked, this, &TopBar::refreshAllClicked);
    connect(m_migration, &QToolButton::clicked, this, &TopBar::migrationClicked);
    connect(m_defaultSize, &QToolButton::clicked, this, &TopBar::defaultSizeClicked);
    connect(iconize, &QToolButton::clicked, this, &TopBar::iconizeClicked);
    connect(minimize, &QToolButton::clicked, this, &TopBar::minimizeClicked);
    connect(m_winSize, &QToolButton::clicked, this, &TopBar::winSizeClicked);
    connect(terminate, &QToolButton::clicked, this, &TopBar::terminateClicked);
}

void TopBar::setSectionColor(const QColor& color)
{
    // Text in black or white, whichever stands out; a disabled caption
    // (the "Default" button at the default size) a little towards the
    // background, so it reads as disabled and stays readable on any colour.
    const QColor text = color.lightness() < 110 ? QColor(Qt::white) : QColor(Qt::black);
    const auto mix = [](float a, float b) { return 0.6f * a + 0.4f * b; };
    const QColor disabled = QColor::fromRgbF(mix(text.redF(), color.redF()), mix(text.greenF(), color.greenF()),
                                             mix(text.blueF(), color.blueF()));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Button, color);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, text);
        palette.setColor(QPalette::Inactive, role, text);
        palette.setColor(QPalette::Disabled, role, disabled);
    }
    setPalette(palette);
}

void TopBar::setCaption(const QString& text)
{
    if (m_caption->text() != text)
        m_caption->setText(text);
}

QString TopBar::caption() const
{
    return m_caption->text();
}

void TopBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT dragStarted(event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

void TopBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT winSizeClicked();
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace brivane::shell
