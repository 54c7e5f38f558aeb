// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TfrmSplash.h"

#include "platform/ProductInfo.h"
#include "shell/ProgramIcon.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

TfrmSplash::TfrmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(432, 175);

    auto *title = new QLabel(ProductInfo::Name, this);
    QFont titleFont = title->font();
    titleFont.setPointSize(30);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto *subtitle = new QLabel(tr("HTML source editor"), this);
    auto *notice = new QLabel(tr("Free software under the GNU General Public License, "
                                 "version 3 or later. No warranty."), this);
    notice->setWordWrap(true);
    QFont small = notice->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    notice->setFont(small);

    auto *version = new QLabel(tr("Version : "), this);
    lblVerNum = new QLabel(this);
    lblVerNum->setObjectName(QStringLiteral("lblVerNum"));
    QFont bold = lblVerNum->font();
    bold.setBold(true);
    lblVerNum->setFont(bold);

    lblMessage = new QLabel(QStringLiteral("Please Wait ..."), this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));

    for (QLabel *label : {title, subtitle, notice, version, lblVerNum, lblMessage})
        label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

    auto *versionRow = new QHBoxLayout;
    versionRow->addWidget(version);
    versionRow->addWidget(lblVerNum);
    versionRow->addStretch();
    versionRow->addWidget(lblMessage);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(110, 14, 16, 12);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addStretch();
    layout->addWidget(notice);
    layout->addLayout(versionRow);
}

void TfrmSplash::SetMessage(const QString &message)
{
    lblMessage->setText(message);
    lblMessage->repaint();
}

void TfrmSplash::ShowNow()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    repaint();
    QCoreApplication::processEvents();
}

void TfrmSplash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, width(), height());
    sky.setColorAt(0, QColor(0x1F, 0x3A, 0x5F));
    sky.setColorAt(1, QColor(0x0B, 0x16, 0x26));
    painter.fillRect(rect(), sky);

    ProgramIcon::Paint(painter, QRectF(14, 18, 84, 110));
}
