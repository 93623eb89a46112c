#pragma once

#include <QString>

class QCheckBox;
class QToolButton;

namespace brivane::ui {

// A flat toolbar button of a tab: its object name, tip and caption.
QToolButton* makeToolButton(const QString& name, const QString& hint, const QString& text);
// A button showing its caption only; its tip is the hint, or the caption.
QToolButton* makeTextButton(const QString& name, const QString& text, const QString& hint = QString());
QCheckBox* makeCheckBox(const QString& name, const QString& text);

} // namespace brivane::ui
