#include "store/widgets/MigrationNoticeDialog.h"

#include "platform/Shell.h"
#include "platform/widgets/MessageBox.h"
#include "store/MigrationNotice.h"
#include "ui/DialogFrame.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace brivane::store::widgets {

namespace {

// The converter: old table files passing into one archive.
QPixmap converterPicture()
{
    QPixmap picture(120, 150);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    auto drum = [&painter](const QRectF& body, const QColor& color) {
        painter.setBrush(color);
        painter.setPen(QPen(color.darker(160), 1.5));
        painter.drawRect(body.adjusted(0, 6, 0, -6));
        painter.drawEllipse(QRectF(body.left(), body.bottom() - 12, body.width(), 12));
        painter.drawEllipse(QRectF(body.left(), body.top(), body.width(), 12));
    };
    for (int i = 0; i < 4; ++i)
        drum(QRectF(6 + i * 27, 8, 22, 34), QColor(190, 170, 120));
    painter.setPen(QPen(QColor(60, 90, 160), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(60, 52), QPointF(60, 86));
    painter.setBrush(QColor(60, 90, 160));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygonF({QPointF(48, 84), QPointF(72, 84), QPointF(60, 98)}));
    drum(QRectF(30, 102, 60, 44), QColor(110, 170, 110));
    return picture;
}

} // namespace

MigrationNoticeDialog::MigrationNoticeDialog(const QColor& color, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TMigrationInfoForm"));
    setWindowTitle(QStringLiteral("Important information about this upgrade"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* text = new QPlainTextEdit;
    text->setObjectName(QStringLiteral("Memo_MigrationInfo"));
    text->setReadOnly(true);
    text->setPlainText(migration_notice::lines().join(QLatin1Char('\n')));
    text->setMinimumSize(380, 280);
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("Image_Migrator"));
    picture->setPixmap(converterPicture());
    picture->setAlignment(Qt::AlignTop);
    auto* download = new QPushButton(QStringLiteral("Download Brivane Migrator"));
    download->setObjectName(QStringLiteral("Btn_Download"));
    download->setAutoDefault(false);
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("Btn_Close"));
    close->setDefault(true);
    m_doNotShow = new QCheckBox(QStringLiteral("Do not show again"));
    m_doNotShow->setObjectName(QStringLiteral("CheckBox_DoNotShow"));

    auto* body = new QHBoxLayout;
    body->addWidget(text, 1);
    body->addWidget(picture);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_doNotShow);
    buttons->addStretch();
    buttons->addWidget(download);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout;
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    ui::frameDialog(this, layout, windowTitle(), color);

    connect(download, &QPushButton::clicked, this, [this] {
        // Only an explicit No keeps the browser closed.
        if (platform::MessageBox::question(this, QStringLiteral("Vuoi visitare il sito di Brivane Organizer?"))
            != platform::MessageBox::Answer::No)
            platform::Shell::open(QUrl(migration_notice::makerAddress()));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

bool MigrationNoticeDialog::doNotShowAgain() const
{
    return m_doNotShow->isChecked();
}

MigrationNotice::MigrationNotice(Window window, QObject* parent) : QObject(parent), m_window(std::move(window)) {}

void MigrationNotice::showCheck()
{
    if (!m_pending) {
        QString error;
        if (!migration_notice::save(m_window.database(), false, &error) && m_window.showError)
            m_window.showError(error);
        return;
    }
    const bool owed = m_window.owed();
    m_window.messageButton->setVisible(owed);
    if (owed)
        open();
}

void MigrationNotice::open()
{
    if (m_dialog && m_dialog->isVisible()) {
        m_dialog->raise();
        return;
    }
    m_dialog = new MigrationNoticeDialog(m_window.color ? m_window.color() : QColor(Qt::lightGray), m_window.widget);
    MigrationNoticeDialog* dialog = m_dialog;
    connect(dialog, &QDialog::finished, this, [this, dialog] { closed(dialog->doNotShowAgain()); });
    dialog->open();
}

void MigrationNotice::closed(bool doNotShowAgain)
{
    m_pending = false;
    QString error;
    if (!migration_notice::save(m_window.database(), !doNotShowAgain, &error) && m_window.showError)
        m_window.showError(error);
    if (m_window.loadSettings)
        m_window.loadSettings();
    if (doNotShowAgain)
        m_window.messageButton->hide();
}

} // namespace brivane::store::widgets
