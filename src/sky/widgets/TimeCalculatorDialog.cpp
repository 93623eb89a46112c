#include "sky/widgets/TimeCalculatorDialog.h"

#include "agenda/widgets/DialogChrome.h"
#include "platform/Clock.h"
#include "platform/widgets/MessageBox.h"
#include "sky/TimeSpan.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace brivane::sky::widgets {

using agenda::widgets::DialogTitleBar;

namespace {

QLabel* resultLabel(const QString& name)
{
    auto* label = new QLabel(QStringLiteral("0"));
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(90);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton* pushButton(const QString& name, const QString& text)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// The locale's short date with the year in full, which a distance in years needs.
QString fullYearDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

void setBackground(QWidget* field, const QColor& color)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, color);
    field->setPalette(palette);
}

} // namespace

TimeCalculatorDialog::TimeCalculatorDialog(const TimeCalculatorSetup& setup, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_setup(setup)
{
    setObjectName(QStringLiteral("TTimeCalculatorForm"));
    setWindowTitle(caption());

    const QDateTime now = platform::Clock::instance().now();
    m_firstDate = new QDateEdit(now.date());
    m_firstDate->setObjectName(QStringLiteral("DateTimePicker_Data1"));
    m_secondDate = new QDateEdit(now.date());
    m_secondDate->setObjectName(QStringLiteral("DateTimePicker_Data2"));
    for (QDateEdit* picker : {m_firstDate, m_secondDate}) {
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(fullYearDateFormat());
        picker->setMinimumDate(QDate(100, 1, 1));
    }
    m_firstTime = new QTimeEdit(now.time());
    m_firstTime->setObjectName(QStringLiteral("DateTimePicker_Ora1"));
    m_secondTime = new QTimeEdit(now.time());
    m_secondTime->setObjectName(QStringLiteral("DateTimePicker_Ora2"));
    for (QTimeEdit* picker : {m_firstTime, m_secondTime})
        picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    for (QWidget* picker :
         std::initializer_list<QWidget*>{m_firstDate, m_secondDate, m_firstTime, m_secondTime}) {
        setBackground(picker, Qt::white);
        picker->installEventFilter(this);
    }

    m_days = resultLabel(QStringLiteral("Label_Giorni"));
    m_years = resultLabel(QStringLiteral("Label_Anni"));
    m_hours = resultLabel(QStringLiteral("Label_Ore"));
    m_minutes = resultLabel(QStringLiteral("Label_Minuti"));
    m_seconds = resultLabel(QStringLiteral("Label_Secondi"));
    m_milliseconds = resultLabel(QStringLiteral("Label_Millisecondi"));

    auto* dates = new QGroupBox(QStringLiteral("  Duration between 2 dates  "));
    dates->setObjectName(QStringLiteral("GroupBox_Date"));
    auto* calculateDates = pushButton(QStringLiteral("Button_Calcola_Date"), QStringLiteral("Calculate!"));
    auto* dateGrid = new QGridLayout(dates);
    dateGrid->addWidget(new QLabel(QStringLiteral("First date:")), 0, 0);
    dateGrid->addWidget(m_firstDate, 0, 1);
    dateGrid->addWidget(new QLabel(QStringLiteral("Second date:")), 1, 0);
    dateGrid->addWidget(m_secondDate, 1, 1);
    dateGrid->addWidget(new QLabel(QStringLiteral("Day count:")), 0, 2);
    dateGrid->addWidget(m_days, 0, 3);
    dateGrid->addWidget(new QLabel(QStringLiteral("Year count:")), 1, 2);
    dateGrid->addWidget(m_years, 1, 3);
    dateGrid->addWidget(calculateDates, 2, 3);

    auto* times = new QGroupBox(QStringLiteral("  Duration between 2 times  "));
    times->setObjectName(QStringLiteral("GroupBox_Time"));
    auto* calculateTimes = pushButton(QStringLiteral("Button_Calcola_Ore"), QStringLiteral("Calculate!"));
    auto* timeGrid = new QGridLayout(times);
    timeGrid->addWidget(new QLabel(QStringLiteral("First time:")), 0, 0);
    timeGrid->addWidget(m_firstTime, 0, 1);
    timeGrid->addWidget(new QLabel(QStringLiteral("Second time:")), 1, 0);
    timeGrid->addWidget(m_secondTime, 1, 1);
    timeGrid->addWidget(new QLabel(QStringLiteral("Hour count:")), 0, 2);
    timeGrid->addWidget(m_hours, 0, 3);
    timeGrid->addWidget(new QLabel(QStringLiteral("Minute count:")), 1, 2);
    timeGrid->addWidget(m_minutes, 1, 3);
    timeGrid->addWidget(new QLabel(QStringLiteral("Second count:")), 2, 2);
    timeGrid->addWidget(m_seconds, 2, 3);
    timeGrid->addWidget(new QLabel(QStringLiteral("Millisecond count:")), 3, 2);
    timeGrid->addWidget(m_milliseconds, 3, 3);
    timeGrid->addWidget(calculateTimes, 4, 3);

    auto* help = pushButton(QStringLiteral("SpeedButton_Help"), QStringLiteral("?"));
    help->setToolTip(QStringLiteral("Hint"));
    auto* close = pushButton(QStringLiteral("Button_Close"), QStringLiteral("Close"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* body = new QVBoxLayout;
    body->addWidget(dates);
    body->addWidget(times);
    body->addLayout(buttons);
    agenda::widgets::frameDialog(this, caption(), setup.frameColor, body)
        ->setObjectName(QStringLiteral("Frame_Dialog"));
    if (auto* titleBar = findChild<DialogTitleBar*>()) {
        QPalette palette = titleBar->palette();
        palette.setColor(QPalette::WindowText, setup.titleTextColor);
        titleBar->setPalette(palette);
    }

    agenda::widgets::scaleFont(this, setup.scalePercent);
    agenda::widgets::chainTabOrder(
        {m_firstDate, m_secondDate, calculateDates, m_firstTime, m_secondTime, calculateTimes, help, close});

    connect(calculateDates, &QPushButton::clicked, this, &TimeCalculatorDialog::calculateDates);
    connect(calculateTimes, &QPushButton::clicked, this, &TimeCalculatorDialog::calculateTimes);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [this] {
        platform::MessageBox::information(
            this,
            QStringLiteral(
                "In this module you can get the calculation of the time elapsed between 2 dates or times."));
    });
    agenda::widgets::fitToContents(this);
}

void TimeCalculatorDialog::calculateDates()
{
    const DateDistance distance = dateDistance(m_firstDate->date(), m_secondDate->date());
    m_days->setText(QString::number(distance.days));
    m_years->setText(QString::number(distance.years));
}

void TimeCalculatorDialog::calculateTimes()
{
    const TimeDistance distance = timeDistance(m_firstTime->time(), m_secondTime->time());
    m_hours->setText(QString::number(distance.hours));
    m_minutes->setText(QString::number(distance.minutes));
    m_seconds->setText(QString::number(distance.seconds));
    m_milliseconds->setText(QString::number(distance.milliseconds));
}

void TimeCalculatorDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool TimeCalculatorDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (auto* field = qobject_cast<QWidget*>(watched))
            setBackground(field, event->type() == QEvent::FocusIn ? m_setup.focusColor : QColor(Qt::white));
    }
    return QDialog::eventFilter(watched, event);
}

TimeCalculatorDialog* openTimeCalculator(QWidget* parent, const TimeCalculatorSetup& setup)
{
    auto* dialog = new TimeCalculatorDialog(setup, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

} // namespace brivane::sky::widgets
