// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int FileRole = Qt::UserRole;

QToolButton *toolButton(const QString &name, const QString &text, const QString &tip, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace

HelpWindow::HelpWindow(const HelpIndex &index, QWidget *parent)
    : QWidget(parent, Qt::Window), FIndex(index)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Quillon Help"));
    resize(760, 520);

    auto *splitter = new QSplitter(Qt::Horizontal, this);

    auto *left = new QWidget(splitter);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto *finderLabel = new QLabel(QStringLiteral("&Find a topic :"), left);
    FFinder = new QLineEdit(left);
    FFinder->setObjectName(QStringLiteral("HelpFinder"));
    FFinder->setPlaceholderText(QStringLiteral("Type words to look for"));
    FFinder->setClearButtonEnabled(true);
    finderLabel->setBuddy(FFinder);
    FTopics = new QListWidget(left);
    FTopics->setObjectName(QStringLiteral("HelpTopics"));
    leftLayout->addWidget(finderLabel);
    leftLayout->addWidget(FFinder);
    leftLayout->addWidget(FTopics);

    auto *right = new QWidget(splitter);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto *buttons = new QHBoxLayout;
    FBack = toolButton(QStringLiteral("HelpBack"), QStringLiteral("< &Back"),
                       QStringLiteral("The page shown before"), right);
    FForward = toolButton(QStringLiteral("HelpForward"), QStringLiteral("F&orward >"),
                          QStringLiteral("The page shown after"), right);
    FContents = toolButton(QStringLiteral("HelpContents"), QStringLiteral("&Contents"),
                           QStringLiteral("The help's contents"), right);
    FBack->setEnabled(false);
    FForward->setEnabled(false);
    buttons->addWidget(FBack);
    buttons->addWidget(FForward);
    buttons->addWidget(FContents);
    buttons->addStretch();
    FNote = new QLabel(right);
    FNote->setObjectName(QStringLiteral("HelpNote"));
    FNote->setTextFormat(Qt::PlainText);
    FNote->setWordWrap(true);
    FNote->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; padding: 2px; }"));
    FNote->hide();
    FBrowser = new QTextBrowser(right);
    FBrowser->setObjectName(QStringLiteral("HelpBrowser"));
    FBrowser->setReadOnly(true);
    FBrowser->setOpenLinks(true);
    FBrowser->setOpenExternalLinks(true);
    FBrowser->setSearchPaths({FIndex.Folder()});
    rightLayout->addLayout(buttons);
    rightLayout->addWidget(FNote);
    rightLayout->addWidget(FBrowser);

    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 540});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    connect(FFinder, &QLineEdit::textChanged, this, &HelpWindow::FinderChanged);
    connect(FFinder, &QLineEdit::returnPressed, this, &HelpWindow::FinderReturnPressed);
    connect(FTopics, &QListWidget::itemClicked, this, &HelpWindow::TopicChosen);
    connect(FTopics, &QListWidget::itemActivated, this, &HelpWindow::TopicChosen);
    connect(FBrowser, &QTextBrowser::sourceChanged, this, &HelpWindow::BrowserSourceChanged);
    connect(FBrowser, &QTextBrowser::backwardAvailable, FBack, &QWidget::setEnabled);
    connect(FBrowser, &QTextBrowser::forwardAvailable, FForward, &QWidget::setEnabled);
    connect(FBack, &QToolButton::clicked, FBrowser, &QTextBrowser::backward);
    connect(FForward, &QToolButton::clicked, FBrowser, &QTextBrowser::forward);
    connect(FContents, &QToolButton::clicked, this, [this] { ShowPage(FIndex.ContentsFile()); });

    FillTopics(FIndex.Pages());
}

void HelpWindow::ShowPage(const QString &filePath)
{
    if (filePath.isEmpty())
        return;
    FNote->clear();
    FNote->hide();
    const QUrl url = QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath());
    if (FBrowser->source() == url)
        BrowserSourceChanged(url);
    else
        FBrowser->setSource(url);
}

void HelpWindow::ShowContentsWithNote(const QString &note)
{
    ShowPage(FIndex.ContentsFile());
    FNote->setText(note);
    FNote->setVisible(!note.isEmpty());
}

void HelpWindow::FocusFinder()
{
    FFinder->setFocus(Qt::OtherFocusReason);
    FFinder->selectAll();
}

void HelpWindow::Present()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

QString HelpWindow::NoteText() const
{
    return FNote->isHidden() ? QString() : FNote->text();
}

QString HelpWindow::CurrentFile() const
{
    return FBrowser->source().toLocalFile();
}

void HelpWindow::FinderChanged(const QString &text)
{
    FillTopics(FIndex.Find(text));
    SelectTopicOf(CurrentFile());
}

void HelpWindow::FinderReturnPressed()
{
    QListWidgetItem *item = FTopics->currentItem();
    if (!item && FTopics->count() > 0)
        item = FTopics->item(0);
    if (item)
        TopicChosen(item);
}

void HelpWindow::TopicChosen(QListWidgetItem *item)
{
    if (item)
        ShowPage(item->data(FileRole).toString());
}

void HelpWindow::BrowserSourceChanged(const QUrl &source)
{
    // A link followed in the page leaves any note behind.
    FNote->clear();
    FNote->hide();
    SelectTopicOf(source.toLocalFile());
}

void HelpWindow::FillTopics(const QList<HelpIndex::Page> &pages)
{
    const QSignalBlocker blocker(FTopics);
    FTopics->clear();
    for (const HelpIndex::Page &page : pages) {
        auto *item = new QListWidgetItem(page.title, FTopics);
        item->setData(FileRole, page.filePath);
    }
}

void HelpWindow::SelectTopicOf(const QString &filePath)
{
    const QSignalBlocker blocker(FTopics);
    const QString wanted = QFileInfo(filePath).absoluteFilePath();
    for (int row = 0; row < FTopics->count(); ++row) {
        QListWidgetItem *item = FTopics->item(row);
        if (QFileInfo(item->data(FileRole).toString()).absoluteFilePath() == wanted) {
            FTopics->setCurrentItem(item);
            return;
        }
    }
    FTopics->setCurrentItem(nullptr);
}
