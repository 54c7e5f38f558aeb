// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class TfrmMDIChild;
class Workspace;

// The pages shown in document windows: creating them.
class PageFiles {
public:
    explicit PageFiles(Workspace &workspace);

    // Opens a new empty, untitled document window captioned "Quillon  N",
    // N being the number of document windows open before it plus one.
    // Returns the new window, or nullptr when it could not be created (the
    // user has then been told why).
    TfrmMDIChild *NewPage();

private:
    TfrmMDIChild *CreateNewPage();
    Workspace &FWorkspace;
};
