// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's commands that others run through Workspace: the tag
// items of a document window's Tags menu and the Tag Inspector's comment.
// Each is named after the main window's button that carries it; the main
// window's command table gives each exactly one record.
// clang-format off
enum class MainCommand {
    sbHTML, sbHEAD, sbBODY, sbTITLE, sbParagraph, sbISINDEX,
    sbH1, sbH2, sbH3, sbH4, sbH5, sbH6,
    sbA, sbLink,
    sbDD, sbDIR, sbDT, sbMENU, sbOL, sbUL,
    sbB, sbBASEFONT, sbCenter, sbCITE, sbCODE, sbDFN, sbEM, sbFONT, sbI, sbKBD, sbSAMP,
    sbSTRONG, sbTT, sbVAR,
    sbIMAGE,
    sbFORM, sbINPUT, sbOPTION, sbSELECT, sbTEXTAREA,
    sbCAPTION, sbTABLE, sbTD, sbTH, sbTR,
    sbComment, sbAddress, sbBLINK, sbBQ, sbBR, sbHR, sbNOBR, sbPRE, sbWBR,
    sbAlignCenter, sbAlignLeft, sbAlignRight,
    Count   // the number of commands above, not a command
};
// clang-format on
