// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TagNotebookBuilder.h"

#include "shell/MainCommandTable.h"
#include "shell/ToolButtonFactory.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

QFrame *TagNotebookBuilder::Build(QWidget *parent)
{
    auto *bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("pnlTagNotebookBar"));
    bar->setFixedHeight(BarHeight);
    // A narrow window clips the buttons; it is never held wide by them.
    bar->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto *outer = new QVBoxLayout(bar);
    outer->setContentsMargins(2, 1, 2, 1);

    auto *tabs = new QTabWidget(bar);
    tabs->setObjectName(QStringLiteral("TagGrpPageControl"));
    tabs->setDocumentMode(true);
    tabs->setUsesScrollButtons(true);
    outer->addWidget(tabs);

    for (const CommandContainer &page : MainCommandTable::Pages()) {
        auto *sheet = new QWidget(tabs);
        sheet->setObjectName(QString::fromLatin1(page.name));
        auto *row = new QHBoxLayout(sheet);
        row->setContentsMargins(2, 2, 2, 0);
        row->setSpacing(1);
        for (const MainCommandRecord *record : MainCommandTable::In(page.place))
            row->addWidget(ToolButtonFactory::Create(sheet, record->name, record->caption,
                                                     record->hint, record->look));
        row->addStretch(1);
        tabs->addTab(sheet, QString::fromLatin1(page.caption));
    }
    tabs->setCurrentIndex(0);
    return bar;
}
