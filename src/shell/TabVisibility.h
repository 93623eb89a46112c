#pragma once

#include "store/SettingsRecord.h"

class QComboBox;
class QTabWidget;
class QWidget;

namespace brivane::shell {

// Applies the eight tab flags and the start tab at window creation (tab
// indexes 0 to 7 are the sections, 8 the Options tab). Returns true when the
// stored start tab was the old "-", which the caller then saves as "4".
struct TabVisibility
{
    static bool apply(QTabWidget* tabs, const store::SettingsRecord& settings, QWidget* originButton,
                      QComboBox* startTabList);
    static bool anyHidden(const store::SettingsRecord& settings);
};

} // namespace brivane::shell
