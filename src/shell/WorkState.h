// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/WindowPlacement.h"

#include <QString>
#include <optional>

class RegistryStore;

// The work state kept between runs in the key "Work": the working folder
// and the placements of the main window and of the Tag Inspector.
class WorkState {
public:
    QString WorkDir;
    WindowPlacement MainPlacement;
    WindowPlacement InspectorPlacement;

    // The splash text while the work state loads.
    static const QString LoadingMessage;   // "Loading Working Data ..."

    // Reads "Work". A missing placement leaves the one already here; so do
    // a value of the wrong kind and a placement that does not parse, which
    // are noted in the registry as ignored. When the key is missing the
    // reason is in FatalErrorText() and the result is false.
    bool LoadWorkState(RegistryStore &registry);
    // Writes "Work" (creating the key). The working folder is written
    // without a trailing separator; the main window never stays on top.
    // On failure the reason is in FatalErrorText() and the result is false.
    bool SaveWorkState(RegistryStore &registry) const;

    // The placement as text: Maximized, StayOnTop, Left, Top, Width,
    // Height, separated by commas; a negative Left or Top is written as 1.
    static QString FormatWindowPlacement(const WindowPlacement &placement);
    // Reads a placement text back; nothing, and the reason in error, when a
    // field is not a whole number.
    static std::optional<WindowPlacement> ParseWindowPlacement(const QString &text,
                                                               QString *error = nullptr);
};
