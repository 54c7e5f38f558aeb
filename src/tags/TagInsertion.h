// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class TagStore;
class Workspace;

// Writing a tag of the catalogue into the active page by its name, and the
// letter-case rules every HTML writer of the program follows. The Tag
// Inspector offers these to the rest of the program; they live here so that
// they can be used and tested without the inspector's window.
class TagInsertion {
public:
    TagInsertion(Workspace &workspace, const TagStore &store);

    // A tag literal in the tag case the options ask for (ASCII letters only).
    QString TagCase(const QString &text) const;
    // An attribute literal, or a whole fragment such as "ALIGN=CENTER", in
    // the attribute case the options ask for.
    QString AttrCase(const QString &text) const;

    // Writes the tag named `name` (spelt as the caller likes; the catalogue
    // is searched without regard to case) into the active page:
    // - a one-sided tag replaces the selection by "<T>";
    // - a two-sided tag wraps a selection in "<T>" and "</T>", or, with
    //   nothing selected, is written with the tag's prompt between its two
    //   parts (when the tag-prompt option is on), the prompt left selected.
    // T is the name as passed, in tag case. The document's ready flag is
    // held meanwhile and given back in every case. An unknown name or a
    // catalogue failure is reported in an information box. True when the
    // tag was written.
    bool InsertTag(const QString &name);

    // The tag's prompt, trimmed, whatever the prompt option says. An
    // unknown name is reported as InsertTag reports it and gives an empty
    // text. A catalogue failure raises StoreError("Can not get tag prompt:
    // ..."). With no document open: the error beep and an empty text.
    QString GetTagPrompt(const QString &name) const;

    // The reason given when a name is not in the catalogue.
    static QString NotFoundText(const QString &name);

private:
    void ReportInsertFailure(const QString &reason) const;

    Workspace &FWorkspace;
    const TagStore &FStore;
};
