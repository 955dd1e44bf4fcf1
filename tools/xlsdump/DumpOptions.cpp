#include "DumpOptions.h"

#include "xls/csv/TextDecoding.h"

#include "xls/common/CodePage.h"

#include <QRegularExpression>

#include <array>

const char *const dumpUsage =
    "Usage: xlsdump [--summary] [--sheet N] [--password P] [--delimiter C]\n"
    "               [--encoding E] FILE...\n"
    "Shows what Tagomat imports from Excel workbooks (.xls, Excel 2.x to 2003)\n"
    "and from delimited text (CSV), whatever the file's name says.\n"
    "\n"
    "For each FILE: the lines \"ROWS r\" and \"COLUMNS m\", then one line per cell\n"
    "that has a value, row by row: row, column, type (integer, double, string or\n"
    "wstring) and the text as Tagomat imports it, separated by tabs. Backslash,\n"
    "tab, line feed and carriage return in a text are written as \\\\, \\t, \\n, \\r.\n"
    "With more than one FILE, each file's lines follow a line \"FILE name\".\n"
    "A delimited text's cells are string or wstring; before its ROWS line come\n"
    "\"ENCODING e\" and \"DELIMITER c\", as read or detected.\n"
    "\n"
    "  --summary   print only ROWS, COLUMNS and \"CELLS n\" (the imported cells)\n"
    "  --sheet N   show worksheet N (counted from 0) instead of the first\n"
    "  --password P  the password of encrypted workbooks (Excel's default\n"
    "              password for write-protected ones is always tried first)\n"
    "  --delimiter C  read delimited text with the delimiter C (one character, or\n"
    "                 \"tab\") instead of the detected one\n"
    "  --encoding E   read delimited text in E (utf-8, utf-16le, utf-16be,\n"
    "                 windows-1252 or a code page number such as 850) instead\n"
    "                 of the detected encoding\n"
    "  --help      show this text\n"
    "  --version   show the version\n"
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
        } else if (argument == QLatin1String("--version")) {
            options.version = true;
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
        } else if (argument == QLatin1String("--delimiter")) {
            const QString value = i + 1 < arguments.size() ? arguments.at(++i) : QString();
            const QChar c = value == QLatin1String("tab")
                                ? QChar(u'\t')
                                : (value.isEmpty() ? QChar() : value.at(0));
            if (value.isEmpty() || (value.size() > 1 && c != u'\t') || c.unicode() > 0x7E ||
                c == u'"' || c == u'\n' || c == u'\r')
                options.problem =
                    QStringLiteral("--delimiter needs one ASCII character or \"tab\"");
            options.load.csvDelimiter = char(c.unicode());
        } else if (argument == QLatin1String("--encoding")) {
            const QString value = i + 1 < arguments.size() ? arguments.at(++i) : QString();
            options.load.csvCodePage = codePageOfEncodingName(value);
            if (options.load.csvCodePage == 0)
                options.problem =
                    QStringLiteral("--encoding does not know \"") + value + QStringLiteral("\"");
        } else if (argument.startsWith(QLatin1String("--"))) {
            options.problem = QStringLiteral("unknown option ") + argument;
        } else {
            options.files << argument;
        }
    }
    if (options.problem.isEmpty() && !options.help && !options.version && options.files.isEmpty())
        options.problem = QStringLiteral("no file given");
    return options;
}

unsigned codePageOfEncodingName(const QString &name) {
    struct Named {
        const char *name;
        unsigned codePage;
    };
    static constexpr std::array names{
        Named{"utf-8", xls::csv::codePageUtf8},
        Named{"utf8", xls::csv::codePageUtf8},
        Named{"utf-16le", xls::csv::codePageUtf16Le},
        Named{"utf-16be", xls::csv::codePageUtf16Be},
        Named{"windows-1252", xls::csv::codePageWindows1252},
        Named{"latin-1", 28591},
        Named{"iso-8859-1", 28591},
        Named{"iso-8859-15", 28605},
    };
    const QString lower = name.toLower();
    for (const Named &named : names)
        if (lower == QLatin1String(named.name))
            return named.codePage;
    QString number = lower;
    if (number.startsWith(QLatin1String("cp")) || number.startsWith(QLatin1String("windows-")))
        number = number.mid(number.indexOf(QRegularExpression(QStringLiteral("[0-9]"))));
    bool ok = false;
    const unsigned codePage = number.toUInt(&ok);
    if (!ok || codePage > 0xFFFF)
        return 0;
    const bool known =
        xls::iconvNameOfCodePage(std::uint16_t(codePage)) || codePage == xls::csv::codePageUtf16Be;
    return known ? codePage : 0;
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
