#include "shell/VisibleTabsDialog.h"

#include "agenda/widgets/DialogChrome.h"
#include "platform/widgets/MessageBox.h"
#include "store/TabFlags.h"
#include "ui/DialogFrame.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace brivane::shell {

VisibleTabsDialog::VisibleTabsDialog(QSqlDatabase db, const QColor& color, QWidget* parent) : QDialog(parent), m_connection(db.connectionName())
{
    setObjectName(QStringLiteral("TTabShowForm"));
    setWindowTitle(QStringLiteral("Visible tabs"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QStringList captions = {QStringLiteral("One Shot"), QStringLiteral("Yearly"),   QStringLiteral("Monthly"),
                                  QStringLiteral("Weekly"),   QStringLiteral("Today"),    QStringLiteral("Contacts"),
                                  QStringLiteral("Note"),     QStringLiteral("To-Do")};
    const QStringList columns = store::tabFlagColumns();
    auto* grid = new QGridLayout;
    for (int i = 0; i < captions.size(); ++i) {
        auto* box = new QCheckBox(captions[i]);
        box->setObjectName(QStringLiteral("CheckBox_") + columns[i]);
        m_boxes << box;
        grid->addWidget(box, i % 4, i / 4);
    }
    auto* apply = new QPushButton(QStringLiteral("Apply"));
    apply->setObjectName(QStringLiteral("Btn_Apply"));
    apply->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("Btn_Close"));
    close->setAutoDefault(false);
    auto* hint = new QToolButton;
    hint->setObjectName(QStringLiteral("SpeedButtonHintTabs"));
    hint->setText(QStringLiteral("?"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint);
    buttons->addStretch();
    buttons->addWidget(apply);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout;
    layout->addLayout(grid);
    layout->addLayout(buttons);

    ui::frameDialog(this, layout, windowTitle(), color);

    connect(apply, &QPushButton::clicked, this, &VisibleTabsDialog::apply);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(hint, &QToolButton::clicked, this, [this] {
        platform::MessageBox::information(
            this, QStringLiteral("In this module you can choose which sections of the program are visible."));
    });
}

VisibleTabsDialog* VisibleTabsDialog::openDialog(QSqlDatabase db, const QList<bool>& stored, int scalePercent,
                                                 const QColor& color, QWidget* parent)
{
    auto* dialog = new VisibleTabsDialog(std::move(db), color, parent);
    for (int i = 0; i < dialog->m_boxes.size(); ++i)
        dialog->m_boxes[i]->setChecked(stored.value(i, true));
    agenda::widgets::scaleFont(dialog, scalePercent);
    agenda::widgets::fitToContents(dialog);
    dialog->open();
    return dialog;
}

void VisibleTabsDialog::apply()
{
    QList<bool> visible;
    for (const QCheckBox* box : std::as_const(m_boxes))
        visible << box->isChecked();
    QString error;
    if (!store::saveTabFlags(db(), visible, &error)) {
        Q_EMIT errorRaised(error);
        return;
    }
    platform::MessageBox::information(this,
                                      QStringLiteral("The changes will take effect the next time you start the program."));
    accept();
}

} // namespace brivane::shell
