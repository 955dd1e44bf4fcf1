// Small hostile files that once cost gigabytes: each is read by xlsdump in a
// process of its own, whose peak memory is held against a bound that follows
// the cells the file really holds.
#include "support/writers/ZipWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr long kMiB = 1024;                     // ru_maxrss counts KiB
constexpr std::uint32_t kLastXmlColumn = 16383; // column XFD, 0-based
constexpr const char *kXfd = "XFD";

QByteArray bytesOf(const std::vector<std::uint8_t> &bytes) {
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

// A table of `rows` repeated rows, each with one number in the last column.
QByteArray repeatedRowsOds(std::uint32_t rows) {
    const std::string body =
        "<table:table-row table:number-rows-repeated=\"" + std::to_string(rows) +
        "\"><table:table-cell table:number-columns-repeated=\"" + std::to_string(kLastXmlColumn) +
        "\"/><table:table-cell office:value-type=\"float\" "
        "office:value=\"1\"/></table:table-row>";
    return bytesOf(testwriters::writeZip(testwriters::odsParts(body)).bytes);
}

// `rows` rows, each with one number in column XFD.
QByteArray lastColumnXlsx(std::uint32_t rows) {
    std::string body = "<sheetData>";
    for (std::uint32_t row = 1; row <= rows; ++row) {
        const std::string r = std::to_string(row);
        body += "<row r=\"" + r + "\"><c r=\"" + kXfd + r + "\"><v>1</v></c></row>";
    }
    body += "</sheetData>";
    return bytesOf(testwriters::writeZip(testwriters::xlsxParts({body})).bytes);
}

// `lines` records of empty fields up to one value in the last field.
QByteArray lastFieldCsv(std::uint32_t lines) {
    QByteArray line(qsizetype(kLastXmlColumn), ';');
    line += "1\n";
    return line.repeated(lines);
}

// The peak resident memory, in KiB, of xlsdump --summary reading `path`;
// -1 when it did not run to a successful end.
long peakOfSummary(const QString &path) {
    const QByteArray file = QFile::encodeName(path);
    const pid_t child = fork();
    if (child == 0) {
        execl(XLSDUMP_PATH, XLSDUMP_PATH, "--summary", file.constData(), nullptr);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

} // namespace

class TestMemoryBound : public QObject {
    Q_OBJECT

private slots:
    void peakFollowsTheCells_data();
    void peakFollowsTheCells();

private:
    QTemporaryDir dir;
};

void TestMemoryBound::peakFollowsTheCells_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<long>("boundKiB");
    QTest::newRow("ods: 1,000 repeated rows, a value in the last column")
        << "rows.ods" << repeatedRowsOds(1000) << 64 * kMiB;
    QTest::newRow("ods: 1,048,576 repeated rows, a million real cells")
        << "million.ods" << repeatedRowsOds(1048576) << 256 * kMiB;
    QTest::newRow("xlsx: 4,000 rows, one cell each in column XFD")
        << "xfd.xlsx" << lastColumnXlsx(4000) << 64 * kMiB;
    QTest::newRow("csv: 500 lines of 16,383 delimiters before a value")
        << "wide.csv" << lastFieldCsv(500) << 64 * kMiB;
}

void TestMemoryBound::peakFollowsTheCells() {
#ifdef TAGOMAT_SANITIZED
    QSKIP("the sanitizer's shadow memory makes the peak meaningless");
#endif
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(long, boundKiB);
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    const long peak = peakOfSummary(path);
    QVERIFY2(peak > 0, "xlsdump --summary did not read the file");
    QVERIFY2(peak <= boundKiB,
             qPrintable(QStringLiteral("peak %1 KiB, bound %2 KiB").arg(peak).arg(boundKiB)));
}

QTEST_GUILESS_MAIN(TestMemoryBound)
#include "test_memorybound.moc"
