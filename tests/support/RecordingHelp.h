// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Help.h"

#include <QStringList>

// A Help double for tests: shows nothing and records every request as text,
// "topic:TAG_INSPECTOR", "context:11" or "finder", in order. Constructing
// one installs it as Help::Instance(); destroying it uninstalls it.
class RecordingHelp : public Help {
public:
    RecordingHelp();
    ~RecordingHelp() override;

    QStringList requests;
    void Clear() { requests.clear(); }

    void ShowTopic(const QString &topic) override;
    void ShowContext(int context) override;
    void ShowFinder() override;
};
