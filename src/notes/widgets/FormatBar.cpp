#include "notes/widgets/FormatBar.h"

#include "notes/EditorCharsets.h"
#include "platform/widgets/ColorDialog.h"
#include "ui/ColorSwatch.h"

#include <QActionGroup>
#include <QFontComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace brivane::notes::widgets {

FormatBar::FormatBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(u"Panel_Format"_s);

    m_fonts = new QFontComboBox;
    m_fonts->setObjectName(u"ComboBox_Fonts"_s);
    m_fonts->setToolTip(u"Font"_s);
    m_fonts->setMinimumContentsLength(8);
    m_fonts->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_size = new QSpinBox;
    m_size->setObjectName(u"SpinEdit_Size"_s);
    m_size->setRange(8, 72);
    m_size->setToolTip(u"Size"_s);
    m_textColor = new ui::ColorSwatch(u"Panel_Font_Color"_s);
    m_textColor->setToolTip(u"Text colour"_s);
    m_pageColor = new ui::ColorSwatch(u"Panel_Editor_Color"_s);
    m_pageColor->setToolTip(u"Page colour"_s);
    for (ui::ColorSwatch* swatch : {m_textColor, m_pageColor})
        swatch->setFixedSize(22, 22);

    m_charsetMenu = new QMenu(this);
    m_charsetMenu->setObjectName(u"PopupMenu_Charset"_s);
    auto* charsets = new QActionGroup(this);
    for (const EditorCharset& charset : editorCharsets()) {
        QAction* action = m_charsetMenu->addAction(charset.caption);
        action->setCheckable(true);
        action->setData(charset.code);
        charsets->addAction(action);
        connect(action, &QAction::triggered, this, [this, code = charset.code] {
            m_look.charset = code;
            changed();
        });
    }
    m_charsetButton = new QToolButton;
    m_charsetButton->setObjectName(u"SpeedButton_Charset"_s);
    m_charsetButton->setText(u"Charset"_s);
    m_charsetButton->setToolTip(u"Character set"_s);
    m_charsetButton->setMenu(m_charsetMenu);
    m_charsetButton->setPopupMode(QToolButton::InstantPopup);

    m_save = new QToolButton;
    m_save->setObjectName(u"SpeedButton_Aggiorna_Editor_Setup"_s);
    m_save->setText(u"Save"_s);
    m_save->setToolTip(u"Save the editor properties"_s);
    m_save->setEnabled(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_fonts, 1);
    layout->addWidget(m_size);
    layout->addWidget(new QLabel(u"Text"_s));
    layout->addWidget(m_textColor);
    layout->addWidget(new QLabel(u"Page"_s));
    layout->addWidget(m_pageColor);
    layout->addWidget(m_charsetButton);
    layout->addWidget(m_save);

    connect(m_fonts, &QFontComboBox::currentFontChanged, this, [this](const QFont& font) {
        if (m_showing)
            return;
        const int size = m_look.font.pointSize();
        m_look.font = font;
        m_look.font.setPointSize(size);
        changed();
    });
    connect(m_size, &QSpinBox::valueChanged, this, [this](int size) {
        if (m_showing)
            return;
        m_look.font.setPointSize(size);
        changed();
    });
    connect(m_textColor, &ui::ColorSwatch::clicked, this, [this] { chooseColor(false); });
    connect(m_pageColor, &ui::ColorSwatch::clicked, this, [this] { chooseColor(true); });
    connect(m_save, &QToolButton::clicked, this, &FormatBar::saveRequested);
}

void FormatBar::showLook(const EditorLook& look)
{
    m_showing = true;
    m_look = look;
    m_fonts->setCurrentFont(look.font);
    m_size->setValue(qBound(8, look.font.pointSize(), 72));
    m_textColor->setColor(look.text);
    m_pageColor->setColor(look.background);
    for (QAction* action : m_charsetMenu->actions())
        action->setChecked(action->data().toInt() == look.charset);
    m_save->setEnabled(false);
    m_showing = false;
}

void FormatBar::chooseColor(bool background)
{
    const QColor chosen = platform::ColorDialog::choose(this, background ? m_look.background : m_look.text);
    if (!chosen.isValid())
        return;
    (background ? m_pageColor : m_textColor)->setColor(chosen);
    (background ? m_look.background : m_look.text) = chosen;
    changed();
}

void FormatBar::changed()
{
    m_save->setEnabled(true);
    Q_EMIT lookChanged(m_look);
}

} // namespace brivane::notes::widgets
