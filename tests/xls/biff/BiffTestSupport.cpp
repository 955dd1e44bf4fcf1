#include "BiffTestSupport.h"

#include "support/TestPaths.h"

#include <QFile>

namespace bifftest {

ByteVector readDataFile(const QString &name) {
    QFile file(testpaths::dataFile(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return ByteVector(bytes.begin(), bytes.end());
}

QStringList readEscapedLines(const QString &name) {
    QFile file(testpaths::dataFile(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        QString plain;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i] != QLatin1Char('\\') || i + 1 == line.size()) {
                plain += line[i];
                continue;
            }
            const QChar next = line[++i];
            plain += next == QLatin1Char('t')   ? QChar(u'\t')
                     : next == QLatin1Char('n') ? QChar(u'\n')
                     : next == QLatin1Char('r') ? QChar(u'\r')
                                                : next;
        }
        line = plain;
    }
    return lines;
}

} // namespace bifftest
