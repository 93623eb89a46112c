#pragma once

#include <QFrame>

namespace brivane::ui {

// A small coloured panel the user clicks to change its colour.
class ColorSwatch : public QFrame
{
    Q_OBJECT

public:
    explicit ColorSwatch(const QString& objectName, QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor m_color;
};

} // namespace brivane::ui
