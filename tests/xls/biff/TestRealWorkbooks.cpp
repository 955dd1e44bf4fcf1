// Workbook streams written by xlwt, LibreOffice and Gnumeric, against what
// python3-xlrd reads from the same files (tests/data/sst/make-fixtures).
#include "BiffTestSupport.h"

#include "xls/biff/Biff.h"

#include <QMap>
#include <QTest>

#include <cmath>

using namespace bifftest;
using RowBlock = ZAreda::Worksheet::CellTable::RowBlock;
using CellBlock = RowBlock::CellBlock;
using ResultKind = CellBlock::Formula::ResultKind;

namespace {

const QStringList kWriters = {"xlwt", "libreoffice", "gnumeric"};

struct Cell {
    QString kind;
    QString value;
};
using Cells = QMap<QPair<int, int>, Cell>;

QString number(double value) {
    return QString::number(value, 'g', 17);
}

// An RK value as a number; with both flags the exact hundredths.
double rkNumber(std::uint32_t rk) {
    if (!ZAreda::rkIsInteger(rk))
        return ZAreda::rkToDouble(rk);
    const std::int32_t value = static_cast<std::int32_t>(rk) >> 2;
    return (rk & 1) ? value / 100.0 : value;
}

Cell formulaCell(const CellBlock::Formula &formula) {
    switch (formula.resultKind()) {
    case ResultKind::Number:
        return {"number", number(formula.resultDouble())};
    case ResultKind::String:
        return {"text", formula.string() ? text(formula.string()->text) : QString()};
    case ResultKind::Boolean:
        return {"bool", QString::number(formula.resultBool())};
    case ResultKind::Error:
        return {"error", QString::number(formula.resultError())};
    default:
        return {"text", QString()};
    }
}

// Every cell of a sheet as xlrd names it.
Cells cellsOf(const ZAreda::Worksheet &sheet, const ZAreda::Workbook &globals) {
    Cells cells;
    for (const RowBlock &block : sheet.cellTable.rowBlocks) {
        for (const CellBlock &cell : block.cellBlocks) {
            const QPair<int, int> at(cell.row(), cell.column());
            if (const auto *label = cell.labelSST())
                cells[at] = {"text", label->stringIndex < globals.sst.strings.size()
                                         ? text(globals.sst.strings[label->stringIndex])
                                         : QStringLiteral("<out of range>")};
            else if (const auto *rk = cell.rk())
                cells[at] = {"number", number(rkNumber(rk->rk))};
            else if (const auto *n = cell.number())
                cells[at] = {"number", number(n->value)};
            else if (const auto *boolErr = cell.boolErr())
                cells[at] = {boolErr->isError() ? "error" : "bool",
                             QString::number(boolErr->value)};
            else if (const auto *formula = cell.formula())
                cells[at] = formulaCell(*formula);
            else if (cell.blank())
                cells[at] = {"blank", QString()};
            else if (const auto *mulRk = cell.mulRK()) {
                int k = 0;
                for (const auto &entry : block.entries(*mulRk))
                    cells[{at.first, at.second + k++}] = {"number", number(rkNumber(entry.rk))};
            } else if (const auto *mulBlank = cell.mulBlank()) {
                for (std::uint32_t k = 0; k < mulBlank->entryCount; ++k)
                    cells[{at.first, at.second + int(k)}] = {"blank", QString()};
            }
        }
    }
    return cells;
}

Cells expectedCells(const QString &name) {
    Cells cells;
    for (const QString &line : readEscapedLines(name)) {
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.size() == 4)
            cells[{f[0].toInt(), f[1].toInt()}] = {f[2], f[3]};
    }
    return cells;
}

} // namespace

class TestRealWorkbooks : public QObject {
    Q_OBJECT

private slots:
    void sharedStrings_data();
    void sharedStrings();
    void cells_data();
    void cells();
};

void TestRealWorkbooks::sharedStrings_data() {
    QTest::addColumn<QString>("stream");
    QTest::addColumn<QString>("listing");
    QTest::addColumn<int>("minimumContinues");
    for (const QString &writer : kWriters) {
        QTest::addRow("names, %s", qPrintable(writer)) << "sst/names-" + writer + ".stream"
                                                       << "sst/names.sst.txt" << 15;
        QTest::addRow("cells, %s", qPrintable(writer)) << "sst/cells-" + writer + ".stream"
                                                       << "sst/cells.sst.txt" << 0;
    }
}

void TestRealWorkbooks::sharedStrings() {
    QFETCH(QString, stream);
    QFETCH(QString, listing);
    QFETCH(int, minimumContinues);
    const ByteVector bytes = readDataFile(stream);
    const QStringList expected = readEscapedLines(listing);
    QVERIFY2(!bytes.empty() && !expected.isEmpty(),
             "fixture missing: run tests/data/sst/make-fixtures");

    ZAreda::Workbook globals;
    const std::uint32_t consumed = globals.Read(span(bytes));
    QVERIFY(!globals.truncated);
    QVERIFY(!globals.filePass);
    QVERIFY(globals.bof.isBiff8());
    QCOMPARE(globals.bof.type, 0x0005);
    QVERIFY(consumed < bytes.size());
    QCOMPARE(globals.boundSheets.size(), 1u);
    // The table spans that many CONTINUE records: each adds a 4-byte header.
    QVERIFY(globals.sst.RecordSize() - globals.sst.DataSize() >= 4u * (1 + minimumContinues));

    QCOMPARE(globals.sst.uniqueCount, std::uint32_t(expected.size()));
    QCOMPARE(globals.sst.strings.size(), std::size_t(expected.size()));
    int longest = 0;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(text(globals.sst.strings[std::size_t(i)]), expected[i]);
        longest = std::max(longest, int(expected[i].size()));
    }
    if (minimumContinues > 0)
        QCOMPARE(longest, 20000);
}

void TestRealWorkbooks::cells_data() {
    QTest::addColumn<QString>("writer");
    for (const QString &writer : kWriters)
        QTest::newRow(qPrintable(writer)) << writer;
}

void TestRealWorkbooks::cells() {
    QFETCH(QString, writer);
    const ByteVector bytes = readDataFile("sst/cells-" + writer + ".stream");
    const Cells expected = expectedCells("sst/cells-" + writer + ".cells.tsv");
    QVERIFY2(!bytes.empty() && !expected.isEmpty(),
             "fixture missing: run tests/data/sst/make-fixtures");

    ZAreda::Workbook globals;
    globals.Read(span(bytes));
    const std::uint32_t sheetStart = globals.boundSheets.at(0).streamPosition;
    QVERIFY(sheetStart < bytes.size());
    ZAreda::Worksheet sheet;
    const std::uint32_t consumed = sheet.Read(span(bytes).subspan(sheetStart));
    QVERIFY(!sheet.truncated);
    QVERIFY(sheetStart + consumed <= bytes.size());
    QCOMPARE(sheet.bof.type, 0x0010);
    QCOMPARE(sheet.dimensions.lastRowPlus1, 5u);
    QCOMPARE(sheet.dimensions.lastColumnPlus1, 8);

    const Cells got = cellsOf(sheet, globals);
    QCOMPARE(got.keys(), expected.keys());
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const Cell &cell = got[it.key()];
        const QByteArray where =
            QStringLiteral("cell (%1, %2)").arg(it.key().first).arg(it.key().second).toUtf8();
        QVERIFY2(cell.kind == it->kind, where + ": " + cell.kind.toUtf8());
        if (cell.kind == QLatin1String("number")) {
            const double a = cell.value.toDouble(), b = it->value.toDouble();
            QVERIFY2(std::abs(a - b) <= 1e-12 * std::max(1.0, std::abs(b)),
                     where + ": " + cell.value.toUtf8());
        } else {
            QVERIFY2(cell.value == it->value, where + ": " + cell.value.toUtf8());
        }
    }
}

QTEST_GUILESS_MAIN(TestRealWorkbooks)
#include "TestRealWorkbooks.moc"
