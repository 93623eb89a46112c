#include "contacts/widgets/ContactCardView.h"

#include "contacts/ContactActions.h"

#include <QEvent>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace brivane::contacts::widgets {

namespace {

const QString kOpenLinkHint = u"Open selected e-mail/URL"_s;
constexpr QSize kPhotoSize(96, 118);

QToolButton* makeButton(const char* name, const QString& hint, const QString& text)
{
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setText(text);
    button->setAutoRaise(true);
    return button;
}

QLabel* caption(const QString& text)
{
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    label->setFont(font);
    // One width for every caption, so the fields line up.
    label->setMinimumWidth(QFontMetrics(font).horizontalAdvance(u"Company"_s) + 6);
    return label;
}

// The cake of the birthday box.
QPixmap cakePicture()
{
    QPixmap picture(22, 22);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x80, 0x40, 0x20), 1));
    painter.setBrush(QColor(0xF5, 0xD0, 0xA0));
    painter.drawRoundedRect(QRectF(2.5, 11.5, 17, 9), 2, 2);
    painter.setBrush(QColor(0xE0, 0x60, 0x80));
    painter.drawRect(QRectF(2.5, 11.5, 17, 3));
    painter.setPen(QPen(QColor(0x30, 0x60, 0xC0), 1.5));
    for (qreal x : {7.0, 11.0, 15.0})
        painter.drawLine(QPointF(x, 5), QPointF(x, 11));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xA0, 0x00));
    for (qreal x : {7.0, 11.0, 15.0})
        painter.drawEllipse(QPointF(x, 3.5), 1.3, 1.8);
    return picture;
}

void setScrollBarByText(QPlainTextEdit* box, const QString& text)
{
    box->setVerticalScrollBarPolicy(text.isEmpty() ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

} // namespace

ContactCardView::ContactCardView(QWidget* parent) : QFrame(parent)
{
    setObjectName(u"Panel_Card"_s);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setFixedWidth(kDesignedWidth);

    m_title = new QLabel;
    m_title->setObjectName(u"Label_Card_Title"_s);
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    m_title->setFont(titleFont);
    m_title->setTextFormat(Qt::PlainText);
    m_spy = makeButton("SpeedButton_spy", u"Search the contact on Google"_s, u"G"_s);
    m_quickTask = makeButton("SpeedButton_AppRapido", u"Insert task with selected contact"_s, u"+T"_s);
    m_close = makeButton("SpeedButton_close_card", u"Hide contact card"_s, u"\u00D7"_s);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(m_title, 1);
    titleRow->addWidget(m_spy);
    titleRow->addWidget(m_quickTask);
    titleRow->addWidget(m_close);

    m_company = addField("DBText_company");
    m_group = addField("DBText_gruppo");
    m_phone = addField("DBText_tel");
    m_mobile = addField("DBText_mobile");
    m_skype = addField("DBText_skype");
    m_fax = addField("DBText_fax");
    m_email = addField("DBText_email");
    m_web = addField("DBText_site");

    auto* topFields = new QFormLayout;
    topFields->setContentsMargins(0, 0, 0, 0);
    topFields->addRow(caption(u"Company"_s), m_company);
    topFields->addRow(caption(u"Group"_s), m_group);
    topFields->addRow(caption(u"Phone"_s), m_phone);
    topFields->addRow(caption(u"Mobile"_s), m_mobile);
    m_photo = new QLabel;
    m_photo->setObjectName(u"Image_Foto"_s);
    m_photo->setFixedSize(kPhotoSize);
    m_photo->setAlignment(Qt::AlignCenter);
    m_photo->setFrameShape(QFrame::Box);
    m_photo->hide();
    auto* topRow = new QHBoxLayout;
    topRow->addLayout(topFields, 1);
    topRow->addWidget(m_photo, 0, Qt::AlignTop);

    auto* middleFields = new QFormLayout;
    middleFields->setContentsMargins(0, 0, 0, 0);
    middleFields->addRow(caption(u"Skype"_s), m_skype);
    middleFields->addRow(caption(u"Fax"_s), m_fax);
    auto* birthdayFrame = new QFrame;
    m_birthdayBox = birthdayFrame;
    birthdayFrame->setObjectName(u"Panel_Compleanno"_s);
    birthdayFrame->setFrameShape(QFrame::Box);
    auto* cake = new QLabel;
    cake->setObjectName(u"Image_Compleanno"_s);
    cake->setPixmap(cakePicture());
    m_birthdayLabel = new QLabel;
    m_birthdayLabel->setObjectName(u"Label_Compleanno"_s);
    auto* birthdayLayout = new QHBoxLayout(birthdayFrame);
    birthdayLayout->setContentsMargins(4, 2, 6, 2);
    birthdayLayout->addWidget(cake);
    birthdayLayout->addWidget(m_birthdayLabel);
    birthdayFrame->hide();
    auto* middleRow = new QHBoxLayout;
    middleRow->addLayout(middleFields, 1);
    middleRow->addWidget(birthdayFrame, 0, Qt::AlignVCenter);

    auto* lowerFields = new QFormLayout;
    lowerFields->setContentsMargins(0, 0, 0, 0);
    lowerFields->addRow(caption(u"E-mail"_s), m_email);
    lowerFields->addRow(caption(u"Web"_s), m_web);

    m_address = new QPlainTextEdit;
    m_address->setObjectName(u"DBMemo_indirizzo"_s);
    m_address->setReadOnly(true);
    m_address->setMaximumHeight(56);
    m_address->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_upper = new QWidget;
    auto* upper = new QVBoxLayout(m_upper);
    upper->setContentsMargins(0, 0, 0, 0);
    upper->setSpacing(3);
    upper->addLayout(topRow);
    upper->addLayout(middleRow);
    upper->addLayout(lowerFields);
    upper->addWidget(caption(u"Address"_s));
    upper->addWidget(m_address);

    m_rocket = makeButton("SpeedButtonRocket_Contact", kOpenLinkHint, u"\u279A"_s);
    m_rocket->setEnabled(false);
    m_autoOpen = makeButton("SpeedButtonStop_Contact", u"Automatically open selected e-mail/URL"_s, u"A"_s);
    m_autoOpen->setCheckable(true);
    m_zoom = makeButton("SpeedButtonZoomNote", u"Expand / Collapse edit notes area"_s, u"+"_s);
    m_attach = makeButton("SpeedButton_ApriAllegato", u"Attach"_s, u"Attach"_s);
    m_attach->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_attachMenu = new QMenu(this);
    m_attachMenu->setObjectName(u"PopupMenuAllegati"_s);
    for (int i = 0; i < 3; ++i) {
        QAction* entry = m_attachMenu->addAction(u"Attach %1"_s.arg(i + 1));
        entry->setObjectName(u"Attach%1"_s.arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, i] { Q_EMIT attachmentChosen(i); });
        m_attachActions << entry;
    }
    m_attachMenu->addSeparator();
    m_attachMenu->addAction(u"Cancel"_s);
    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(caption(u"Note"_s));
    noteRow->addStretch();
    noteRow->addWidget(m_attach);
    noteRow->addWidget(m_rocket);
    noteRow->addWidget(m_autoOpen);
    noteRow->addWidget(m_zoom);

    m_note = new QPlainTextEdit;
    m_note->setObjectName(u"DBMemo_Contact"_s);
    m_note->setReadOnly(true);
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(3);
    layout->addLayout(titleRow);
    layout->addWidget(m_upper);
    layout->addLayout(noteRow);
    layout->addWidget(m_note, 1);

    m_modifyParts = {
        m_title, m_photo, m_birthdayBox, cake,  m_birthdayLabel,       m_company, m_group, m_phone, m_mobile,
        m_skype, m_fax,   m_email,       m_web, m_address->viewport(), m_upper};
    for (QWidget* part : std::as_const(m_modifyParts))
        part->installEventFilter(this);
    m_note->viewport()->installEventFilter(this);

    connect(m_zoom, &QToolButton::clicked, this, [this] { setNoteExpanded(!m_noteExpanded); });
    connect(m_rocket, &QToolButton::clicked, this, &ContactCardView::openSelectedLink);
    connect(m_autoOpen, &QToolButton::toggled, this, [this](bool down) {
        if (down && m_rocket->isEnabled())
            openSelectedLink();
    });
    connect(m_attach, &QToolButton::clicked, this, [this] {
        prepareAttachMenu();
        m_attachMenu->popup(m_attach->mapToGlobal(QPoint(0, m_attach->height())));
    });
    connect(m_attachMenu, &QMenu::aboutToShow, this, &ContactCardView::prepareAttachMenu);

    setContent(CardContent());
}

QLineEdit* ContactCardView::addField(const char* name)
{
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setFrame(false);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

void ContactCardView::setCardColor(const QColor& color)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::WindowText, color.lightness() < 110 ? Qt::white : Qt::black);
    setPalette(palette);
}

void ContactCardView::setContent(const CardContent& content)
{
    m_content = content;
    m_title->setText(content.title);
    const QList<std::pair<QLineEdit*, QString>> fields = {
        {m_company, content.company}, {m_group, content.group}, {m_phone, content.phone},
        {m_mobile, content.mobile},   {m_skype, content.skype}, {m_fax, content.fax},
        {m_email, content.email},     {m_web, content.web}};
    for (const auto& [field, text] : fields) {
        field->setText(text);
        field->setCursorPosition(0);
        field->setToolTip(text);
    }
    m_address->setPlainText(content.address);
    setScrollBarByText(m_address, content.address);
    m_note->setPlainText(content.note);
    setScrollBarByText(m_note, content.note);
    resetLinkButton();

    m_birthdayLabel->setText(content.birthdayText);
    m_birthdayBox->setVisible(content.birthday.has_value());

    QImage image;
    if (!content.photoPath.isEmpty()) {
        QImageReader reader(content.photoPath);
        reader.setAutoTransform(true);
        image = reader.read();
    }
    if (image.isNull()) {
        m_photo->clear();
        m_photo->hide();
    } else {
        const QSize inner = kPhotoSize - QSize(2, 2);
        m_photo->setPixmap(
            QPixmap::fromImage(image.scaled(inner, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        m_photo->show();
    }

    for (int i = 0; i < m_attachActions.size(); ++i)
        m_attachActions[i]->setText(content.attachmentCaptions.value(i));
    m_attach->setEnabled(content.attachEnabled);
    m_quickTask->setEnabled(content.hasRow);
}

void ContactCardView::setNoteExpanded(bool expanded)
{
    m_noteExpanded = expanded;
    m_upper->setVisible(!expanded);
    m_zoom->setText(expanded ? u"-"_s : u"+"_s);
}

void ContactCardView::updateLinkButton()
{
    m_rocket->setEnabled(false);
    m_rocket->setToolTip(kOpenLinkHint);
    const QString selection = m_note->textCursor().selectedText();
    if (isOpenableSelection(selection)) {
        m_rocket->setEnabled(true);
        m_rocket->setToolTip(selection);
    }
    if (m_autoOpen->isChecked() && m_rocket->isEnabled())
        openSelectedLink();
}

void ContactCardView::resetLinkButton()
{
    QTextCursor cursor = m_note->textCursor();
    if (cursor.hasSelection()) {
        cursor.clearSelection();
        m_note->setTextCursor(cursor);
    }
    m_rocket->setEnabled(false);
    m_rocket->setToolTip(kOpenLinkHint);
}

void ContactCardView::openSelectedLink()
{
    openSelection(m_note->textCursor().selectedText());
}

void ContactCardView::prepareAttachMenu()
{
    static QFileIconProvider icons;
    const QIcon placeholder = style()->standardIcon(QStyle::SP_FileLinkIcon);
    for (int i = 0; i < m_attachActions.size(); ++i) {
        const QString value = m_content.attachments.value(i);
        QAction* entry = m_attachActions[i];
        entry->setVisible(!value.isEmpty());
        const QFileInfo file(value);
        const bool exists =
            !value.isEmpty() && !QFileInfo(value).isRelative() && (file.isFile() || file.isDir());
        entry->setIcon(exists ? icons.icon(file) : placeholder);
    }
}

bool ContactCardView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == m_note->viewport()) {
            // With a note, a double click selects text for the link commands.
            if (m_note->toPlainText().isEmpty()) {
                Q_EMIT modifyRequested();
                return true;
            }
            return false;
        }
        if (m_modifyParts.contains(qobject_cast<QWidget*>(watched))) {
            Q_EMIT modifyRequested();
            return true;
        }
    }
    if (watched == m_note->viewport() && event->type() == QEvent::MouseButtonRelease)
        QTimer::singleShot(0, this, &ContactCardView::updateLinkButton);
    return QFrame::eventFilter(watched, event);
}

void ContactCardView::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_EMIT modifyRequested();
    event->accept();
}

} // namespace brivane::contacts::widgets
