// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program-wide start-up failure text. Empty while start-up goes well;
// any start-up step that fails puts its message here, and the main window
// reports it at its first activation and closes without saving.
QString &FatalErrorText();

// The lines that end a message about a failure the user cannot mend: whom
// to contact and the contact address ("Contact Varo Software.\rE-mail : ...").
QString MakerContactText();
