// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QTabWidget>

class LiveOptions;
class PanelStatusBar;
class QFrame;
class QLabel;
class QProgressBar;

// The message area at the bottom of the main window: the page "Status"
// holds the message bar with its five panels, the page "Progress" a short
// progress flash with its text. Its tabs are never shown.
class MessageNotebook : public QTabWidget {
    Q_OBJECT
public:
    enum Page { StatusPage = 0, ProgressPage = 1 };
    enum Panel { pnlStatus = 0, pnlAutoSave = 1, pnlWordWrap = 2, pnlCaret = 3, pnlModified = 4 };

    // What the option panels show for the options: "Auto Save" and "Word
    // Wrap" while those are on, empty otherwise.
    struct PanelText {
        Panel panel;
        QString text;
    };
    static QList<PanelText> OptionPanelTexts(const LiveOptions &options);

    explicit MessageNotebook(QWidget *parent = nullptr);

    PanelStatusBar *MessageBar = nullptr;
    QFrame *pnlProgress = nullptr;
    QLabel *lblProgressMessage = nullptr;
    QProgressBar *ProgressBar = nullptr;

    // Shows the progress page with the message, runs the bar to its end,
    // then shows the status page again with the bar back at 0.
    void ShowProgress(const QString &message);
    // A hint's long part across the whole bar; an empty hint brings the
    // panels back.
    void ShowHint(const QString &hint);
};
