#include "agenda/widgets/RepositoryDialog.h"

#include "agenda/Repository.h"
#include "agenda/widgets/DialogChrome.h"
#include "platform/widgets/MessageBox.h"
#include "ui/DialogFrame.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace brivane::agenda::widgets {

namespace {

QPushButton* pushButton(const QString& name, const QString& text)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QDateEdit* datePicker(const QString& name)
{
    auto* picker = new QDateEdit;
    picker->setObjectName(name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    picker->setMinimumDate(QDate(1601, 1, 1));
    return picker;
}

} // namespace

RepositoryDialog::RepositoryDialog(QSqlDatabase db, const QColor& color, QWidget* parent) : QDialog(parent), m_connection(db.connectionName())
{
    setObjectName(QStringLiteral("TRepositoryForm"));
    setWindowTitle(QStringLiteral("One Shot repository"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* text = new QLabel(QStringLiteral("Improve my performance by reducing my workload! Select a time through the 2 "
                                           "calendars below ")
                            + QStringLiteral("and then click on \"Deposit\" to transfer the one shot tasks in the deposit ")
                            + QStringLiteral("or click on \"Take\" to turn back the one shot tasks of the period selected "
                                             "again between the commitments that I have to manage."));
    text->setObjectName(QStringLiteral("Label_Spiegazione"));
    text->setWordWrap(true);

    auto* period = new QGroupBox(QStringLiteral("  Period to be moved  "));
    auto* periodLayout = new QGridLayout(period);
    m_from = datePicker(QStringLiteral("DateTimePicker1"));
    m_to = datePicker(QStringLiteral("DateTimePicker2"));
    periodLayout->addWidget(new QLabel(QStringLiteral("From")), 0, 0);
    periodLayout->addWidget(m_from, 0, 1);
    periodLayout->addWidget(new QLabel(QStringLiteral("To")), 1, 0);
    periodLayout->addWidget(m_to, 1, 1);

    auto* counters = new QGridLayout;
    m_inUse = new QLabel;
    m_inUse->setObjectName(QStringLiteral("Label_InUso"));
    m_deposited = new QLabel;
    m_deposited->setObjectName(QStringLiteral("Label_Depositati"));
    m_total = new QLabel;
    m_total->setObjectName(QStringLiteral("Label_Totale"));
    counters->addWidget(new QLabel(QStringLiteral("In use")), 0, 0);
    counters->addWidget(m_inUse, 0, 1);
    counters->addWidget(new QLabel(QStringLiteral("Deposited")), 1, 0);
    counters->addWidget(m_deposited, 1, 1);
    counters->addWidget(m_total, 2, 0, 1, 2);

    m_deposit = pushButton(QStringLiteral("Btn_Deposita"), QStringLiteral("Deposit"));
    m_take = pushButton(QStringLiteral("Btn_Preleva"), QStringLiteral("Take"));
    m_takeAll = pushButton(QStringLiteral("Btn_Preleva_Tutti"), QStringLiteral("Take all"));
    auto* close = pushButton(QStringLiteral("Btn_Chiudi"), QStringLiteral("Close"));
    close->setDefault(true);
    auto* hint = new QToolButton;
    hint->setObjectName(QStringLiteral("SpeedButtonSuggerimento"));
    hint->setText(QStringLiteral("?"));
    hint->setToolTip(QStringLiteral("Suggerimento"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_deposit);
    buttons->addWidget(m_take);
    buttons->addWidget(m_takeAll);
    buttons->addStretch();
    buttons->addWidget(hint);
    buttons->addWidget(close);

    auto* middle = new QHBoxLayout;
    middle->addWidget(period);
    middle->addLayout(counters);

    auto* layout = new QVBoxLayout;
    layout->addWidget(text);
    layout->addLayout(middle);
    layout->addLayout(buttons);

    ui::frameDialog(this, layout, windowTitle(), color);

    connect(m_deposit, &QPushButton::clicked, this, &RepositoryDialog::deposit);
    connect(m_take, &QPushButton::clicked, this, &RepositoryDialog::take);
    connect(m_takeAll, &QPushButton::clicked, this, &RepositoryDialog::takeAll);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(hint, &QToolButton::clicked, this, [this] {
        platform::MessageBox::information(
            this, QStringLiteral("This module allows to speed up the program by storing some one shot commitments."));
    });
}

RepositoryDialog* RepositoryDialog::openDialog(QSqlDatabase db, const QDate& from, const QDate& to, const QDate& today,
                                               int scalePercent, const QColor& color, QWidget* parent)
{
    auto* dialog = new RepositoryDialog(std::move(db), color, parent);
    if (from.isValid() && to.isValid()) {
        dialog->m_from->setDate(from);
        dialog->m_to->setDate(to);
    } else {
        const QDate earliest = Repository(dialog->db()).earliestOneShot();
        dialog->m_from->setDate(earliest.isValid() ? earliest : today);
        dialog->m_to->setDate(today);
    }
    dialog->refreshCounters();
    scaleFont(dialog, scalePercent);
    fitToContents(dialog);
    dialog->open();
    return dialog;
}

void RepositoryDialog::refreshCounters()
{
    Repository::Counts counts;
    QString error;
    if (!Repository(db()).counts(counts, &error)) {
        Q_EMIT errorRaised(error);
        return;
    }
    m_inUse->setText(QString::number(counts.inUse));
    m_deposited->setText(QString::number(counts.deposited));
    m_total->setText(QStringLiteral("Totale: ") + QString::number(counts.total()));
    m_deposit->setEnabled(counts.inUse > 0);
    m_take->setEnabled(counts.deposited > 0);
    m_takeAll->setEnabled(counts.deposited > 0);
}

void RepositoryDialog::afterMove(int count, const QString& error)
{
    if (count < 0)
        Q_EMIT errorRaised(error);
    Q_EMIT moved();
    refreshCounters();
}

void RepositoryDialog::deposit()
{
    QString error;
    afterMove(Repository(db()).deposit(m_from->date(), m_to->date(), &error), error);
}

void RepositoryDialog::take()
{
    QString error;
    afterMove(Repository(db()).take(m_from->date(), m_to->date(), &error), error);
}

void RepositoryDialog::takeAll()
{
    QString error;
    afterMove(Repository(db()).takeAll(&error), error);
}

} // namespace brivane::agenda::widgets
