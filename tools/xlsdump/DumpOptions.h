#pragma once

#include "xls/common/LoadOptions.h"

#include <QString>
#include <QStringList>

// The command line of xlsdump.
struct DumpOptions {
    bool summary = false;
    bool help = false;
    bool version = false;
    int sheet = 0;
    QString password; // for encrypted workbooks; empty tries Excel's default only
    LoadOptions load; // --delimiter and --encoding for delimited text
    QStringList files;
    QString problem; // why the command line cannot be used; empty when it can
};

DumpOptions parseDumpOptions(const QStringList &arguments);

extern const char *const dumpUsage;

// The code page an --encoding name stands for ("utf-8", "windows-1252",
// "cp850", "850"...); 0 for a name it does not know.
unsigned codePageOfEncodingName(const QString &name);

// A cell text on one line: backslash, tab, line feed and carriage return
// written as \\, \t, \n and \r.
QString escapeCellText(const QString &text);
