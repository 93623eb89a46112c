#pragma once

#include <QString>

class QToolButton;

namespace brivane::ui {

// A flat toolbar button of a tab: its object name, tip and caption.
QToolButton* makeToolButton(const QString& name, const QString& hint, const QString& text);

} // namespace brivane::ui
