// Every corpus workbook that python3-xlrd reads loads here with the same cells
// in its first worksheet. xlrd runs in the test's set-up (xlrd-cells beside
// this file); encrypted workbooks are decrypted for xlrd in memory by
// python3-msoffcrypto-tool, and loaded here with the password that worked.
#include "support/TestPaths.h"
#include "xls/model/ExcelWorkbook.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTest>

namespace {

constexpr const char *python = "/usr/bin/python3";
constexpr int xlrdTimeoutMs = 600000;
constexpr int differencesShown = 5;

struct Cell {
    QString kind; // "text" or "number"
    QString value;
    bool operator==(const Cell &other) const {
        if (kind != other.kind)
            return false;
        if (kind == QLatin1String("number"))
            return value.toDouble() == other.value.toDouble();
        return value == other.value;
    }
};
using Cells = QMap<QPair<quint32, quint32>, Cell>;

struct XlrdRead {
    QString password; // "-" when the file is not encrypted
    Cells cells;
};

QString escaped(QString text) {
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return text;
}

Cell cellOf(const ExcelCell &cell) {
    switch (cell.type()) {
    case Integer:
        return {"number", QString::number(double(cell.integerValue()), 'g', 17)};
    case Double:
        return {"number", QString::number(cell.doubleValue(), 'g', 17)};
    case String:
        return {"text", escaped(QString::fromLatin1(cell.string()))};
    case WString:
        return {"text",
                escaped(QString::fromUtf16(reinterpret_cast<const char16_t *>(cell.wstring()),
                                           cell.stringLength()))};
    case Undefined:
        break;
    }
    return {};
}

QString show(const QPair<quint32, quint32> &at, const Cell &cell) {
    return QStringLiteral("(%1,%2) %3 \"%4\"")
        .arg(at.first)
        .arg(at.second)
        .arg(cell.kind, cell.value);
}

} // namespace

class TestCorpusCells : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sameCellsAsXlrd_data();
    void sameCellsAsXlrd();

private:
    QMap<QString, XlrdRead> xlrd;
};

void TestCorpusCells::initTestCase() {
    if (testpaths::corpusDir().isEmpty())
        QSKIP("the real-world corpus folder is absent (TAGOMAT_XLS_CORPUS)");
    QStringList arguments{QStringLiteral(TAGOMAT_XLRD_CELLS)};
    for (const QString &file : testpaths::corpusFiles())
        if (file.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive))
            arguments << testpaths::corpusDir() + QLatin1Char('/') + file;
    QProcess process;
    process.start(QLatin1String(python), arguments);
    if (!process.waitForStarted())
        QSKIP("python3 is not installed");
    QVERIFY(process.waitForFinished(xlrdTimeoutMs));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());

    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    XlrdRead *current = nullptr;
    const QString prefix = testpaths::corpusDir() + QLatin1Char('/');
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (line.startsWith(QLatin1String("FILE "))) {
            const QString file = fields[0].mid(5).remove(0, prefix.size());
            current = fields.value(1) == QLatin1String("ok") ? &xlrd[file] : nullptr;
            if (current)
                current->password = fields.value(2);
        } else if (current && fields.size() == 4) {
            current->cells[{fields[0].toUInt(), fields[1].toUInt()}] = {fields[2], fields[3]};
        }
    }
    QVERIFY2(!xlrd.isEmpty(), "xlrd read no corpus file: is python3-xlrd installed?");
}

void TestCorpusCells::sameCellsAsXlrd_data() {
    QTest::addColumn<QString>("file");
    for (auto it = xlrd.cbegin(); it != xlrd.cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key();
}

void TestCorpusCells::sameCellsAsXlrd() {
    QFETCH(QString, file);
    const XlrdRead &expected = xlrd[file];
    LoadOptions options;
    if (expected.password != QLatin1String("-"))
        options.password = expected.password.toStdString();

    ExcelWorkbook workbook;
    const QString path = testpaths::corpusDir() + QLatin1Char('/') + file;
    QVERIFY2(workbook.load(QFile::encodeName(path).constData(), options),
             workbook.lastError().describe().c_str());
    Cells actual;
    workbook.sheet(0)->forEachValue(
        [&](std::uint32_t row, std::uint32_t column, const ExcelCell &cell) {
            actual[{row, column}] = cellOf(cell);
        });

    QStringList differences;
    for (auto it = expected.cells.cbegin(); it != expected.cells.cend(); ++it)
        if (!(actual.value(it.key()) == it.value()))
            differences << "xlrd " + show(it.key(), it.value()) + ", here " +
                               show(it.key(), actual.value(it.key()));
    for (auto it = actual.cbegin(); it != actual.cend(); ++it)
        if (!expected.cells.contains(it.key()))
            differences << "only here: " + show(it.key(), it.value());
    QVERIFY2(differences.isEmpty(),
             qPrintable(QString::number(differences.size()) + " differences, first: " +
                        differences.mid(0, differencesShown).join(QLatin1String("; "))));
}

QTEST_APPLESS_MAIN(TestCorpusCells)
#include "test_corpus_cells.moc"
