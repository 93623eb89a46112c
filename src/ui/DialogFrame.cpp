#include "ui/DialogFrame.h"

#include "agenda/widgets/DialogChrome.h"

#include <QDialog>
#include <QVBoxLayout>

namespace brivane::ui {

using agenda::widgets::DialogTitleBar;
using agenda::widgets::KindFrame;
using agenda::widgets::WindowDragger;

void frameDialog(QDialog* dialog, QLayout* content, const QString& title, const QColor& color)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    auto* frame = new KindFrame(color);
    frame->setObjectName(QStringLiteral("Frame_Dialog"));
    auto* titleBar = new DialogTitleBar(title, color);
    auto* dragger = new WindowDragger(dialog);
    dragger->watch(titleBar);
    dragger->watch(frame);
    content->setContentsMargins(10, 8, 10, 10);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(KindFrame::kBorder, KindFrame::kBorder, KindFrame::kBorder, KindFrame::kBorder);
    frameLayout->setSpacing(0);
    frameLayout->addWidget(titleBar);
    frameLayout->addLayout(content, 1);
    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
}

} // namespace brivane::ui
