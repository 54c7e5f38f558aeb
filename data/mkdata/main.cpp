// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
//
// quillon_mkdata <data source folder> <output DATA folder>
//
// Builds the shipped tables (tags.db, attr.db, lkpattr.db, taggrp.db,
// tips.db, qln4.db, groups.db, links.db) from their text sources. Any fault
// in the sources stops it with a message naming the file and the tag and a
// non-zero exit status; the tables already in the output folder then stay
// as they were.
#include "tags/TablesBuilder.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: quillon_mkdata <data source folder> <output DATA folder>\n");
        return 2;
    }
    TablesBuilder builder(arguments.at(1));
    const bool built = builder.Build(arguments.at(2));
    for (const QString &warning : builder.Warnings())
        std::fprintf(stderr, "quillon_mkdata: warning: %s\n", qPrintable(warning));
    if (!built) {
        std::fprintf(stderr, "quillon_mkdata: error: %s\n", qPrintable(builder.Error()));
        return 1;
    }
    std::printf("quillon_mkdata: %lld tags, %lld attributes, %lld value lists, %lld tips, %lld links\n",
                qlonglong(builder.Tags().size()), qlonglong(builder.Attributes().size()),
                qlonglong(builder.Lookups().size()), qlonglong(builder.Tips().size()),
                qlonglong(builder.Links().size()));
    return 0;
}
