#include "shell/TabVisibility.h"

#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>

namespace brivane::shell {

namespace {
constexpr int kToday = 4;
constexpr int kOptions = 8;
} // namespace

bool TabVisibility::anyHidden(const store::SettingsRecord& s)
{
    for (int tab = 0; tab < kOptions; ++tab)
        if (!s.tabVisible.value(tab, true))
            return true;
    return false;
}

bool TabVisibility::apply(QTabWidget* tabs, const store::SettingsRecord& s, QWidget* originButton,
                          QComboBox* startTabList)
{
    for (int tab = 0; tab < kOptions; ++tab)
        tabs->setTabVisible(tab, s.tabVisible.value(tab, true));
    if (anyHidden(s)) {
        // A strip with gaps is left to the system's own drawing, without the
        // section colours; "Origin" could lead to a hidden list.
        tabs->tabBar()->setStyleSheet(QString());
        tabs->tabBar()->setProperty("systemDrawn", true);
        if (originButton)
            originButton->hide();
    }

    bool oldCode = false;
    tabs->setCurrentIndex(kToday);
    if (s.startab == QLatin1String("-")) {
        oldCode = true;
        if (startTabList)
            startTabList->setCurrentIndex(kToday);
    } else {
        bool ok = false;
        const int start = s.startab.toInt(&ok);
        if (ok && start == kOptions)
            tabs->setCurrentIndex(kOptions);
        else if (ok && start >= 0 && start < kOptions && tabs->isTabVisible(start))
            tabs->setCurrentIndex(start);
        if (startTabList)
            startTabList->setCurrentIndex(ok && start >= 0 && start < startTabList->count() ? start : -1);
    }
    if (!tabs->isTabVisible(tabs->currentIndex())) {
        // The Today tab itself is hidden: the first visible tab is shown.
        for (int tab = 0; tab < tabs->count(); ++tab) {
            if (tabs->isTabVisible(tab)) {
                tabs->setCurrentIndex(tab);
                break;
            }
        }
    }
    return oldCode;
}

} // namespace brivane::shell
