// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MessageNotebook.h"

#include "controls/PanelStatusBar.h"
#include "controls/Hints.h"
#include "editor/LiveOptions.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTabBar>

MessageNotebook::MessageNotebook(QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("MsgNotebook"));
    setDocumentMode(true);
    tabBar()->hide();

    MessageBar = new PanelStatusBar(this);
    MessageBar->setObjectName(QStringLiteral("MessageBar"));
    MessageBar->AddPanel(300);
    for (int width : {70, 70, 70, 50})
        MessageBar->AddPanel(width, Qt::AlignCenter);
    addTab(MessageBar, QStringLiteral("Status"));

    // The progress page lies exactly where the message bar is.
    pnlProgress = new QFrame(this);
    pnlProgress->setObjectName(QStringLiteral("pnlProgress"));
    auto *row = new QHBoxLayout(pnlProgress);
    row->setContentsMargins(2, 0, 2, 0);
    lblProgressMessage = new QLabel(QStringLiteral("Save..."), pnlProgress);
    lblProgressMessage->setObjectName(QStringLiteral("lblProgressMessage"));
    lblProgressMessage->setMinimumWidth(120);
    row->addWidget(lblProgressMessage);
    ProgressBar = new QProgressBar(pnlProgress);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    row->addWidget(ProgressBar, 1);
    addTab(pnlProgress, QStringLiteral("Progress"));

    setCurrentIndex(StatusPage);
    setFixedHeight(qMax(22, MessageBar->sizeHint().height()));
}

QList<MessageNotebook::PanelText> MessageNotebook::OptionPanelTexts(const LiveOptions &options)
{
    return {{pnlAutoSave, options.cbAutoSave() ? QStringLiteral("Auto Save") : QString()},
            {pnlWordWrap, options.cbWordWrap() ? QStringLiteral("Word Wrap") : QString()}};
}

void MessageNotebook::ShowProgress(const QString &message)
{
    lblProgressMessage->setText(message);
    setCurrentIndex(ProgressPage);
    if (pnlProgress->isVisible())
        pnlProgress->repaint();
    // Positions past the maximum look like the maximum, so the run stops
    // there; the bar repaints itself as it moves.
    for (int position = ProgressBar->minimum(); position <= ProgressBar->maximum(); ++position)
        ProgressBar->setValue(position);
    setCurrentIndex(StatusPage);
    MessageBar->RepaintNow();
    ProgressBar->setValue(0);
    QCoreApplication::processEvents();
}

void MessageNotebook::ShowHint(const QString &hint)
{
    if (hint.isEmpty()) {
        MessageBar->SetSimple(false);
        return;
    }
    MessageBar->SetSimpleText(LongHint(hint));
    MessageBar->SetSimple(true);
}
