#pragma once

#include <QString>
#include <QStringList>

// The command line of xlsdump.
struct DumpOptions {
    bool summary = false;
    bool help = false;
    int sheet = 0;
    QString password; // for encrypted workbooks; empty tries Excel's default only
    QStringList files;
    QString problem; // why the command line cannot be used; empty when it can
};

DumpOptions parseDumpOptions(const QStringList &arguments);

extern const char *const dumpUsage;

// A cell text on one line: backslash, tab, line feed and carriage return
// written as \\, \t, \n and \r.
QString escapeCellText(const QString &text);
