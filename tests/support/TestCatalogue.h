// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tags/TagRecords.h"

#include <QString>

class TagStore;

// Small catalogues for tests.

// Creates every table of the store, empty.
void CreateEmptyTables(TagStore &store);

// A tag whose display name is its name and whose description is a short
// paragraph.
TagRecord MakeTag(const QString &name, bool doubleSided, const QString &prompt = QString());
