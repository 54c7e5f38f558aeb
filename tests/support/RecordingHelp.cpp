// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RecordingHelp.h"

RecordingHelp::RecordingHelp()
{
    Help::SetInstance(this);
}

RecordingHelp::~RecordingHelp()
{
    if (&Help::Instance() == this)
        Help::SetInstance(nullptr);
}

void RecordingHelp::ShowTopic(const QString &topic)
{
    requests << QStringLiteral("topic:") + topic;
}

void RecordingHelp::ShowContext(int context)
{
    requests << QStringLiteral("context:") + QString::number(context);
}

void RecordingHelp::ShowFinder()
{
    requests << QStringLiteral("finder");
}
