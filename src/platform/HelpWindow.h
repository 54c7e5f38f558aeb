// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HelpIndex.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;
class QToolButton;
class QUrl;

// The help window: the topic finder and the list of topics (every page's
// title, the contents first) beside a read-only browser that shows the
// page. Links between pages work, with Back and Forward. A request for a
// topic the help does not have shows the contents with a note above it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const HelpIndex &index, QWidget *parent = nullptr);

    const HelpIndex &Index() const { return FIndex; }

    // Show a page (full path), or the contents with the note when the path
    // is empty.
    void ShowPage(const QString &filePath);
    void ShowContentsWithNote(const QString &note);
    // Puts the focus into the finder with its text selected.
    void FocusFinder();
    // Shows the window in front and gives it the focus.
    void Present();

    QTextBrowser *Browser() const { return FBrowser; }
    QLineEdit *Finder() const { return FFinder; }
    QListWidget *TopicList() const { return FTopics; }
    // The note line; empty while hidden.
    QString NoteText() const;
    // The full path of the page shown, empty before the first one.
    QString CurrentFile() const;

public slots:
    void FinderChanged(const QString &text);
    void FinderReturnPressed();
    void TopicChosen(QListWidgetItem *item);
    void BrowserSourceChanged(const QUrl &source);

private:
    void FillTopics(const QList<HelpIndex::Page> &pages);
    void SelectTopicOf(const QString &filePath);

    HelpIndex FIndex;
    QLineEdit *FFinder = nullptr;
    QListWidget *FTopics = nullptr;
    QLabel *FNote = nullptr;
    QTextBrowser *FBrowser = nullptr;
    QToolButton *FBack = nullptr;
    QToolButton *FForward = nullptr;
    QToolButton *FContents = nullptr;
    bool FShowingNote = false;
};
