#include "DumpOptions.h"

const char *const dumpUsage =
    "Usage: xlsdump [--summary] [--sheet N] [--password P] FILE...\n"
    "Shows what Tagomat imports from Excel workbooks (.xls, Excel 2.x to 2003).\n"
    "\n"
    "For each FILE: the lines \"ROWS r\" and \"COLUMNS m\", then one line per cell\n"
    "that has a value, row by row: row, column, type (integer, double, string or\n"
    "wstring) and the text as Tagomat imports it, separated by tabs. Backslash,\n"
    "tab, line feed and carriage return in a text are written as \\\\, \\t, \\n, \\r.\n"
    "With more than one FILE, each file's lines follow a line \"FILE name\".\n"
    "\n"
    "  --summary   print only ROWS, COLUMNS and \"CELLS n\" (the imported cells)\n"
    "  --sheet N   show worksheet N (counted from 0) instead of the first\n"
    "  --password P  the password of encrypted workbooks (Excel's default\n"
    "              password for write-protected ones is always tried first)\n"
    "  --help      show this text\n"
    "\n"
    "A file that cannot be imported prints \"xlsdump: FILE: reason\" on standard\n"
    "error; the other files are still shown and the exit status is 1.\n";

DumpOptions parseDumpOptions(const QStringList &arguments) {
    DumpOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--summary")) {
            options.summary = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("--sheet")) {
            bool ok = false;
            options.sheet = i + 1 < arguments.size() ? arguments.at(++i).toInt(&ok) : 0;
            if (!ok || options.sheet < 0)
                options.problem = QStringLiteral("--sheet needs a sheet number from 0 up");
        } else if (argument == QLatin1String("--password")) {
            if (i + 1 < arguments.size())
                options.password = arguments.at(++i);
            else
                options.problem = QStringLiteral("--password needs a password");
        } else if (argument.startsWith(QLatin1String("--"))) {
            options.problem = QStringLiteral("unknown option ") + argument;
        } else {
            options.files << argument;
        }
    }
    if (options.problem.isEmpty() && !options.help && options.files.isEmpty())
        options.problem = QStringLiteral("no file given");
    return options;
}

QString escapeCellText(const QString &text) {
    QString escaped;
    escaped.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            escaped += QLatin1String("\\\\");
            break;
        case '\t':
            escaped += QLatin1String("\\t");
            break;
        case '\n':
            escaped += QLatin1String("\\n");
            break;
        case '\r':
            escaped += QLatin1String("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}
