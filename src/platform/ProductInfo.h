// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Names, version and addresses that several windows show.
namespace ProductInfo {
inline const QString Name = QStringLiteral("Quillon");
inline const QString Version = QStringLiteral("4.21");
inline const QString MainCaption = QStringLiteral("Quillon HTML Editor");
inline const QString Maker = QStringLiteral("Varo Software");
// The maker's web page (no trailing slash) and contact address.
inline const QString WebPage = QStringLiteral("https://quillon.example.org");
inline const QString ContactAddress = QStringLiteral("support@quillon.example.org");
}
