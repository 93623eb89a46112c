#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

class QFontComboBox;
class QMenu;
class QSpinBox;
class QToolButton;

namespace brivane::ui {
class ColorSwatch;
}

namespace brivane::notes::widgets {

// The editor's appearance as the format bar shows it.
struct EditorLook
{
    QFont font;
    QColor text = Qt::black;
    QColor background = Qt::white;
    int charset = 0;
};

// The format bar of the note editor (Panel_Format): font, size from 8 to
// 72, text colour, page colour, the character set menu and Save. Every
// change is announced at once; Save is enabled from the first change until
// the look is shown afresh.
class FormatBar : public QWidget
{
    Q_OBJECT

public:
    explicit FormatBar(QWidget* parent = nullptr);

    // Shows a look without announcing it, and disables Save.
    void showLook(const EditorLook& look);
    EditorLook look() const { return m_look; }

    QToolButton* saveButton() const { return m_save; }

Q_SIGNALS:
    void lookChanged(const EditorLook& look);
    void saveRequested();

private:
    void changed();
    void chooseColor(bool background);

    EditorLook m_look;
    bool m_showing = false;
    QFontComboBox* m_fonts;
    QSpinBox* m_size;
    ui::ColorSwatch* m_textColor;
    ui::ColorSwatch* m_pageColor;
    QToolButton* m_charsetButton;
    QMenu* m_charsetMenu;
    QToolButton* m_save;
};

} // namespace brivane::notes::widgets
