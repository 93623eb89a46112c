#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QWidget>

class QLabel;
class QLayout;

namespace brivane::agenda::widgets {

// Moves a frameless window while the mouse drags one of the parts it watches
// (title bar, border): through the window system when it can, by following
// the mouse otherwise.
class WindowDragger : public QObject
{
    Q_OBJECT

public:
    explicit WindowDragger(QWidget* window);
    void watch(QWidget* part);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    bool m_dragging = false;
    QPoint m_offset;
};

// The coloured title of a frameless entry dialog.
class DialogTitleBar : public QWidget
{
    Q_OBJECT

public:
    explicit DialogTitleBar(const QString& title, const QColor& color, QWidget* parent = nullptr);

    QString title() const;

private:
    QLabel* m_title;
};

class KindFrame;

// Frames a frameless dialog: the border and the title bar in `color` (both
// drag the window) around `body`, which gets the margins of every such
// dialog. Returns the border frame.
KindFrame* frameDialog(QWidget* dialog, const QString& title, const QColor& color, QLayout* body);

// Sizes a dialog built before it is shown: the layouts of hidden widgets keep
// stale size hints after font changes (the scale), so they are recomputed
// before the dialog takes its size.
void fitToContents(QWidget* dialog);

// Enlarges a dialog's font by the scale percentage of the settings (100 to 150).
void scaleFont(QWidget* dialog, int scalePercent);

// Makes Tab visit the widgets in the order given.
void chainTabOrder(const QList<QWidget*>& widgets);

// The border of a frameless dialog, drawn in its kind's colour.
class KindFrame : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kBorder = 3;

    explicit KindFrame(const QColor& color, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
};

} // namespace brivane::agenda::widgets
