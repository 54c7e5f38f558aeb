// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ToolBarBuilder.h"

#include "shell/MainCommandTable.h"
#include "shell/ToolButtonFactory.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>

QFrame *ToolBarBuilder::Build(QWidget *parent)
{
    auto *bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("pnlToolBar"));
    bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bar->setFixedHeight(BarHeight);
    // A narrow window clips the buttons; it is never held wide by them.
    bar->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(1);

    using Kind = MainCommandRecord::Kind;
    for (const MainCommandRecord *record : MainCommandTable::In(CommandPlace::ToolBar)) {
        if (record->kind == Kind::Gap)
            layout->addSpacing(10);
        else if (record->kind == Kind::Stretch)
            layout->addStretch(1);
        else
            layout->addWidget(ToolButtonFactory::Create(bar, record->name, record->caption,
                                                        record->hint, record->look));
    }
    return bar;
}
