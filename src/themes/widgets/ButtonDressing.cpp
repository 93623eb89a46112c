#include "themes/widgets/ButtonDressing.h"

#include "themes/ButtonPictures.h"

#include <QIcon>
#include <QPixmap>
#include <QToolButton>

namespace brivane::themes::widgets {

const QHash<QString, QString>& buttonNames()
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> table;
        const auto add = [&table](const char* role, const char* name) {
            table.insert(QLatin1String(role), QLatin1String(name));
        };
        add("bar.about", "SpeedButtonAbout");
        add("bar.fix", "SpeedButtonTOP");
        add("bar.refresh", "SpeedButtonAggiornaTutto");
        add("bar.iconize", "SpeedButton_MINIMIZE");
        add("bar.minimize", "SpeedButton_minimize_bar");
        add("bar.maximize", "SpeedButtonWinSize");
        add("bar.kill", "SpeedButtonEXIT");

        add("today.hint", "SpeedButton_Help");
        add("today.add", "SpeedButtonAddToday");
        add("today.del", "SpeedButtonDelToday");
        add("today.mod", "SpeedButtonModToday");
        add("today.exp", "SpeedButtonExportToday");
        add("today.chk", "SpeedButtonSvoltoToday");
        add("today.origin", "SpeedButtonFollowToday");
        add("today.back", "SpeedButton_DateBack");
        add("today.next", "SpeedButtonNextDay");
        add("today.today", "SpeedButtonToday");
        add("today.cal", "SpeedButtonClendarioLato");
        add("today.print", "SpeedButtonPrintToday");

        // hint, add, del, mod, dup (Clone), invert (Order), print of the four lists.
        const char* const lists[4][8] = {
            {"day", "SpeedButtonHintShot", "SpeedButtonadShot", "SpeedButtonDelShot", "SpeedButtonModShot",
             "SpeedButtonDateDupli", "SpeedButtonOrderShot", "SpeedButtonDupliShot"},
            {"year", "SpeedButtonHintAnno", "SpeedButtonAddYear", "SpeedButtonDelyear", "SpeedButtonModYear",
             "SpeedButtonPrintyear", "SpeedButtonOrderYear", "SpeedButtonDupliYear"},
            {"month", "SpeedButtonHelpMonth", "SpeedButtonAggMese", "SpeedButtonDelMese", "SpeedButtonModMese",
             "SpeedButtonPrintMese", "SpeedButtonOrderMonth", "SpeedButtonDupliMonth"},
            {"week", "SpeedButtonHelpWeek", "SpeedButtonAggWeek", "SpeedButtonDelWeek", "SpeedButtonModWeek",
             "SpeedButtonPrintWeek", "SpeedButtonorderWeek", "SpeedButtonDupliWeek"}};
        const char* const commands[] = {"hint", "add", "del", "mod", "dup", "invert", "print"};
        for (const auto& list : lists) {
            for (int i = 0; i < 7; ++i)
                table.insert(QLatin1String(list[0]) + QLatin1Char('.') + QLatin1String(commands[i]),
                             QLatin1String(list[i + 1]));
        }

        add("contact.hint", "SpeedButtonHintContact");
        add("contact.add", "SpeedButton_AddContact");
        add("contact.del", "SpeedButtonDelContact");
        add("contact.mod", "SpeedButtonModContact");
        add("contact.imp", "SpeedButtonBOC");
        add("contact.exp", "SpeedButtonCSV");
        add("contact.dup", "SpeedButtonDupliContact");
        add("contact.email", "SpeedButtonMailContact");
        add("contact.phone", "SpeedButtonTele");
        add("contact.web", "SpeedButtonWeb");
        add("contact.map", "SpeedButtonGoMap");
        add("contact.invert", "SpeedButtonOrderContact");
        add("contact.print", "SpeedButtonPrint_Contact");

        add("note.hint", "SpeedButtonHintNote");
        add("note.add", "SpeedButton_NuovaNota");
        add("note.del", "SpeedButtonDelnote");
        add("note.mod", "SpeedButtonmodNote");
        add("note.hidelist", "SpeedButtonOpen");
        add("note.save", "SpeedButtonUpdate");
        add("note.imp", "SpeedButtonImportText");
        add("note.exp", "SpeedButtonSaveAs");
        add("note.breakline", "SpeedButton_Breakline");
        add("note.format", "SpeedButton_Formatbar");
        add("note.restore", "SpeedButtonRestoreNote");
        add("note.find", "SpeedButtonFind");
        add("note.print", "SpeedButtonPrintNote");
        add("note.dup", "SpeedButtonDupliNote");
        add("note.invert", "SpeedButtonOrderNote");

        add("todo.hint", "SpeedButtonHintLista");
        add("todo.add", "SpeedButtonAggToDo");
        add("todo.del", "SpeedButtonDelToDo");
        add("todo.mod", "SpeedButtonModToDo");
        add("todo.dup", "SpeedButtonDupliToDo");
        add("todo.exp", "SpeedButtonExportTodo");
        add("todo.chk", "SpeedButtonCheckToDo");
        add("todo.invert", "SpeedButtonOrderToDo");
        add("todo.print", "SpeedButtonPrintToDo");

        add("option.hint", "SpeedButtonHintOpzioni");
        add("option.manual", "SpeedButtonHelpManual");
        add("option.web", "SpeedButtonHelpWeb");
        add("option.fb", "SpeedButtonFacebook");
        add("option.piggy", "SpeedButtonDonate");
        add("option.keyopen", "SpeedButton_ApriMenu");
        add("option.keyclose", "SpeedButton_ChiudiMenu");
        return table;
    }();
    return names;
}

void dressButton(QToolButton* button, const QImage& bitmap, bool twoPictures)
{
    if (!button || bitmap.isNull())
        return;
    QIcon icon;
    if (twoPictures) {
        const int half = bitmap.width() / 2;
        icon.addPixmap(QPixmap::fromImage(bitmap.copy(0, 0, half, bitmap.height())), QIcon::Normal);
        icon.addPixmap(QPixmap::fromImage(bitmap.copy(half, 0, bitmap.width() - half, bitmap.height())),
                       QIcon::Disabled);
    } else {
        const QPixmap whole = QPixmap::fromImage(bitmap);
        icon.addPixmap(whole, QIcon::Normal);
        icon.addPixmap(whole, QIcon::Disabled);
    }
    button->setIcon(icon);
    if (button->toolButtonStyle() != Qt::ToolButtonIconOnly) {
        button->setProperty("brivaneCaption", button->text());
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    if (button->toolTip().isEmpty())
        button->setToolTip(button->text());
}

void dressButtons(QWidget* window, const ButtonPictures& pictures, bool twoPictures)
{
    const QStringList ownRule = ownCountRoles();
    for (auto it = buttonNames().cbegin(); it != buttonNames().cend(); ++it) {
        const QImage bitmap = pictures.picture(it.key());
        const bool two = ownRule.contains(it.key()) ? holdsTwoPictures(bitmap) : twoPictures;
        const QList<QToolButton*> buttons = window->findChildren<QToolButton*>(it.value());
        const QSize size = it.key().startsWith(QLatin1String("bar.")) ? QSize(20, 20) : QSize(24, 24);
        for (QToolButton* button : buttons) {
            button->setIconSize(size);
            dressButton(button, bitmap, two);
        }
    }
}

} // namespace brivane::themes::widgets
