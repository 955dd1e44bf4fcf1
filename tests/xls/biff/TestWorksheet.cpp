// The worksheet loop, the cell table and row blocks, and the records around
// the cells.
#include "BiffTestSupport.h"

#include "xls/biff/RKValue.h"
#include "xls/biff/Worksheet.h"

#include <QTest>

using namespace bifftest;
using testwriters::BiffWriter;
using testwriters::Bytes;
using testwriters::rkFromInteger;
using CellBlock = ZAreda::Worksheet::CellTable::RowBlock::CellBlock;

namespace {

constexpr std::uint16_t kSheet = 0x0010, kChart = 0x0020;
constexpr std::uint16_t kIndex = 0x020B, kWindow2 = 0x023E, kDbCell = 0x00D7;

Bytes window2(std::uint16_t flags) {
    return Bytes().u16(flags).u16(0).u16(0).u16(64).u16(0).u16(0).u16(0).u32(0);
}

// A block of rows first..last: the ROW records, one RK per row, a DBCELL.
BiffWriter &rowBlock(BiffWriter &w, std::uint16_t first, std::uint16_t last) {
    for (std::uint16_t r = first; r <= last; ++r)
        w.row(r, 0, 1);
    for (std::uint16_t r = first; r <= last; ++r)
        w.rk(r, 0, rkFromInteger(r));
    return w.dbCell(0);
}

QList<int> cellsPerBlock(const ZAreda::Worksheet &sheet) {
    QList<int> counts;
    for (const auto &block : sheet.cellTable.rowBlocks)
        counts << int(block.cellBlocks.size());
    return counts;
}

QList<int> rowsPerBlock(const ZAreda::Worksheet &sheet) {
    QList<int> counts;
    for (const auto &block : sheet.cellTable.rowBlocks)
        counts << int(block.rows.size());
    return counts;
}

} // namespace

class TestWorksheet : public QObject {
    Q_OBJECT

private slots:
    void loop_data();
    void loop();
    void emptySheet();
    void mulRkIsOneCellBlock();
    void formulaTakesItsString();
    void embeddedChartIsSteppedOver();
    void rowBlockWithoutDbCellEndsAtTheEof();
    void index_data();
    void index();
    void dbCell_data();
    void dbCell();
    void fieldsAtTheirOffsets();
    void otherCodeReadsNothing();
    void cellVectorsAreSizedOnce();
    void largeBlockIsHandedOverInParts();
};

void TestWorksheet::loop_data() {
    QTest::addColumn<ByteVector>("stream");
    QTest::addColumn<int>("consumed");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QList<int>>("cells");
    QTest::addColumn<bool>("truncated");
    QTest::addColumn<bool>("lastBlockTruncated");

    BiffWriter twoBlocks;
    twoBlocks.bof(kSheet).dimensions(0, 41, 0, 1);
    rowBlock(twoBlocks, 0, 31);
    rowBlock(twoBlocks, 32, 40).record(kWindow2, window2(0x06B6)).eof();
    QTest::newRow("rows 0 to 40 in two row blocks")
        << twoBlocks.bytes() << int(twoBlocks.size()) << QList<int>{32, 9} << QList<int>{32, 9}
        << false << false;

    BiffWriter growing;
    growing.bof(kSheet);
    rowBlock(growing, 0, 1);
    rowBlock(growing, 2, 33).eof();
    QTest::newRow("a larger row block after a smaller one")
        << growing.bytes() << int(growing.size()) << QList<int>{2, 32} << QList<int>{2, 32} << false
        << false;

    BiffWriter skipped;
    skipped.bof(kSheet)
        .record(0x000D, Bytes().u16(1))                                        // CALCMODE
        .record(0x0055, Bytes().u16(8))                                        // DEFCOLWIDTH
        .record(0x007D, Bytes().u16(0).u16(3).u16(2000).u16(15).u16(0).u16(0)) // COLINFO
        .row(0, 0, 2)
        .record(0x00E1, Bytes().u16(0x04B0)) // INTERFACEHDR
        .rk(0, 0, rkFromInteger(1))
        .dbCell(0)
        .record(0x001D, ByteVector(15, 0))                          // SELECTION
        .record(0x00E5, Bytes().u16(1).u16(0).u16(1).u16(0).u16(1)) // MERGEDCELLS
        .eof();
    QTest::newRow("other records are stepped over at every level")
        << skipped.bytes() << int(skipped.size()) << QList<int>{1} << QList<int>{1} << false
        << false;

    BiffWriter before;
    before.bof(kSheet).rk(0, 0, rkFromInteger(1)).number(0, 1, 2.5).row(1, 0, 1);
    before.rk(1, 0, rkFromInteger(2)).dbCell(0).eof();
    QTest::newRow("cells before the first ROW form a row block of their own")
        << before.bytes() << int(before.size()) << QList<int>{1} << QList<int>{3} << false << false;

    BiffWriter noRows;
    noRows.bof(kSheet).dimensions(0, 2, 0, 2).rk(0, 0, rkFromInteger(1)).number(1, 1, 2.5);
    noRows.record(kWindow2, window2(0x06B6)).eof();
    QTest::newRow("a sheet without ROW and DBCELL records")
        << noRows.bytes() << int(noRows.size()) << QList<int>{0} << QList<int>{2} << false << false;

    BiffWriter twoRuns;
    twoRuns.bof(kSheet);
    rowBlock(twoRuns, 0, 1).record(0x001D, ByteVector(15, 0));
    rowBlock(twoRuns, 2, 4).eof();
    QTest::newRow("a second run of row blocks is appended")
        << twoRuns.bytes() << int(twoRuns.size()) << QList<int>{2, 3} << QList<int>{2, 3} << false
        << false;

    BiffWriter cutInBlock;
    cutInBlock.bof(kSheet).row(0, 0, 2).rk(0, 0, rkFromInteger(1)).rk(0, 1, rkFromInteger(2));
    QTest::newRow("stream ends inside a row block")
        << cutInBlock.bytes() << int(cutInBlock.size()) << QList<int>{1} << QList<int>{2} << true
        << true;

    BiffWriter cutAfterBlock;
    cutAfterBlock.bof(kSheet);
    rowBlock(cutAfterBlock, 0, 2).record(kWindow2, window2(0));
    QTest::newRow("stream ends after the cell table, before the EOF")
        << cutAfterBlock.bytes() << int(cutAfterBlock.size()) << QList<int>{3} << QList<int>{3}
        << true << false;

    BiffWriter cutRecord;
    cutRecord.bof(kSheet).row(0, 0, 1).raw({0x7E, 0x02, 0x0A, 0x00, 0x00, 0x00});
    QTest::newRow("stream ends inside an RK record")
        << cutRecord.bytes() << int(cutRecord.size()) << QList<int>{1} << QList<int>{1} << true
        << true;
}

void TestWorksheet::loop() {
    QFETCH(ByteVector, stream);
    QFETCH(int, consumed);
    QFETCH(QList<int>, rows);
    QFETCH(QList<int>, cells);
    QFETCH(bool, truncated);
    QFETCH(bool, lastBlockTruncated);

    ZAreda::Worksheet sheet;
    QCOMPARE(sheet.Read(span(stream)), consumed);
    QCOMPARE(rowsPerBlock(sheet), rows);
    QCOMPARE(cellsPerBlock(sheet), cells);
    QCOMPARE(sheet.truncated, truncated);
    QCOMPARE(sheet.cellTable.rowBlocks.back().truncated, lastBlockTruncated);
    for (const auto &block : sheet.cellTable.rowBlocks)
        for (const auto &cell : block.cellBlocks)
            QVERIFY(CellBlock::isCellCode(cell.type));

    // Handed over one by one instead, the blocks are the same and none is kept.
    ZAreda::Worksheet handedOver;
    QList<int> handedRows, handedCells, handedFirstRows;
    bool handedLastTruncated = false;
    handedOver.cellTable.onRowBlock = [&](const ZAreda::Worksheet::CellTable::RowBlock &block) {
        handedRows << int(block.rows.size());
        handedCells << int(block.cellBlocks.size());
        handedFirstRows << (block.cellBlocks.empty() ? -1 : block.cellBlocks.front().row());
        handedLastTruncated = block.truncated;
    };
    QCOMPARE(handedOver.Read(span(stream)), consumed);
    QVERIFY(handedOver.cellTable.rowBlocks.empty());
    QCOMPARE(handedRows, rows);
    QCOMPARE(handedCells, cells);
    QList<int> firstRows;
    for (const auto &block : sheet.cellTable.rowBlocks)
        firstRows << (block.cellBlocks.empty() ? -1 : block.cellBlocks.front().row());
    QCOMPARE(handedFirstRows, firstRows);
    QCOMPARE(handedOver.truncated, truncated);
    QCOMPARE(handedLastTruncated, lastBlockTruncated);
}

void TestWorksheet::emptySheet() {
    const ByteVector stream = BiffWriter()
                                  .bof(kSheet)
                                  .record(kIndex, Bytes().u32(0).u32(0).u32(0).u32(0x1234))
                                  .dimensions(0, 0, 0, 0)
                                  .record(kWindow2, window2(0x02B6))
                                  .eof()
                                  .bytes();
    ZAreda::Worksheet sheet;
    QCOMPARE(sheet.Read(span(stream)), 20u + 20 + 18 + 22 + 4);
    QVERIFY(sheet.cellTable.rowBlocks.empty());
    QCOMPARE(sheet.index.dbCellPositions, std::vector<std::uint32_t>{0});
    QCOMPARE(sheet.index.defColWidthPosition, 0x1234u);
    QCOMPARE(sheet.index.RecordSize(), 20u);
    QCOMPARE(sheet.window2.optionFlags, 0x02B6); // read at its true position
    QCOMPARE(sheet.dimensions.lastRowPlus1, 0u);
    QVERIFY(!sheet.truncated);
}

void TestWorksheet::mulRkIsOneCellBlock() {
    const ByteVector stream =
        BiffWriter()
            .bof(kSheet)
            .row(7, 2, 6)
            .mulRk(7, 2,
                   {rkFromInteger(10), rkFromInteger(11), rkFromInteger(12), rkFromInteger(13)})
            .dbCell(0)
            .eof()
            .bytes();
    ZAreda::Worksheet sheet;
    sheet.Read(span(stream));
    const auto &block = sheet.cellTable.rowBlocks.at(0);
    QCOMPARE(block.cellBlocks.size(), 1u);
    const CellBlock &cell = block.cellBlocks[0];
    QCOMPARE(cell.type, 0x00BD);
    QCOMPARE(cell.row(), 7);
    QCOMPARE(cell.column(), 2);
    QVERIFY(cell.mulRK() && !cell.rk());
    QCOMPARE(cell.mulRK()->lastColumn, 5);
    const auto entries = block.entries(*cell.mulRK());
    QCOMPARE(entries.size(), 4u);
    QCOMPARE(ZAreda::rkToInteger(entries[3].rk), 13);
}

void TestWorksheet::formulaTakesItsString() {
    const ByteVector stream = BiffWriter()
                                  .bof(kSheet)
                                  .row(0, 0, 2)
                                  .formula(0, 0, testwriters::formulaSpecial(0))
                                  .string(u"Müller Jürgen", false)
                                  .rk(0, 1, rkFromInteger(5))
                                  .dbCell(0)
                                  .eof()
                                  .bytes();
    ZAreda::Worksheet sheet;
    QCOMPARE(sheet.Read(span(stream)), stream.size());
    const auto &cells = sheet.cellTable.rowBlocks.at(0).cellBlocks;
    QCOMPARE(cells.size(), 2u);
    QCOMPARE(cells[0].type, 0x0006);
    QVERIFY(cells[0].formula()->string());
    QCOMPARE(text(cells[0].formula()->string()->text), QStringLiteral("Müller Jürgen"));
    QCOMPARE(cells[1].type, 0x027E);
}

void TestWorksheet::embeddedChartIsSteppedOver() {
    BiffWriter w;
    w.bof(kSheet).dimensions(0, 1, 0, 1);
    rowBlock(w, 0, 0);
    w.record(0x00EC, ByteVector(30, 0xF0));          // MSODRAWING
    w.bof(kChart).record(0x1002, ByteVector(16, 0)); // a chart with a chart inside it
    w.bof(kChart).eof().record(0x1033, {}).eof();
    w.record(kWindow2, window2(0x06B6)).eof();
    const std::size_t sheetSize = w.size();
    w.bof(kSheet).eof(); // the next sheet
    ZAreda::Worksheet sheet;
    QCOMPARE(sheet.Read(span(w.bytes())), sheetSize);
    QCOMPARE(sheet.bof.type, kSheet);
    QCOMPARE(sheet.window2.optionFlags, 0x06B6);
    QCOMPARE(cellsPerBlock(sheet), QList<int>{1});
    QVERIFY(!sheet.truncated);
}

// xlwt writes ROW and cell records without DBCELL; the block ends where the
// sheet does, and the next sheet stays untouched.
void TestWorksheet::rowBlockWithoutDbCellEndsAtTheEof() {
    BiffWriter w;
    w.bof(kSheet).dimensions(0, 2, 0, 2);
    w.row(0, 0, 2).labelSst(0, 0, 0).mulRk(0, 1, {rkFromInteger(1)});
    w.row(1, 0, 2).labelSst(1, 0, 1).number(1, 1, 2.5);
    w.record(kWindow2, window2(0x06B6)).eof();
    const std::size_t sheetSize = w.size();
    w.bof(kSheet).row(0, 0, 1).rk(0, 0, rkFromInteger(99)).eof();
    ZAreda::Worksheet sheet;
    QCOMPARE(sheet.Read(span(w.bytes())), sheetSize);
    QVERIFY(!sheet.truncated);
    QCOMPARE(rowsPerBlock(sheet), QList<int>{2});
    QCOMPARE(cellsPerBlock(sheet), QList<int>{4});
    QVERIFY(!sheet.cellTable.rowBlocks[0].truncated);
}

void TestWorksheet::index_data() {
    QTest::addColumn<ByteVector>("payload");
    QTest::addColumn<std::vector<std::uint32_t>>("positions");

    QTest::newRow("rows 0-99: 4 positions, all present")
        << Bytes().u32(0).u32(0).u32(100).u32(0x500).u32(11).u32(22).u32(33).u32(44).data()
        << std::vector<std::uint32_t>{11, 22, 33, 44};
    QTest::newRow("fewer positions than computed: the rest stay 0")
        << Bytes().u32(0).u32(0).u32(100).u32(0x500).u32(11).u32(22).u16(0xFFFF).data()
        << std::vector<std::uint32_t>{11, 22, 0, 0};
    QTest::newRow("more positions than computed: the extra ones are not kept")
        << Bytes().u32(0).u32(0).u32(1).u32(0).u32(11).u32(22).data()
        << std::vector<std::uint32_t>{11};
    QTest::newRow("last row below first row: no positions")
        << Bytes().u32(0).u32(100).u32(0).u32(0).data() << std::vector<std::uint32_t>{};
    QTest::newRow("a huge row range is limited to 2048 blocks")
        << Bytes().u32(0).u32(0).u32(0x7FFFFFFF).u32(0).data()
        << std::vector<std::uint32_t>(2048, 0);
    QTest::newRow("rows at the ends of the 32-bit range do not overflow")
        << Bytes().u32(0).u32(0x80000000).u32(0x7FFFFFFF).u32(0).data()
        << std::vector<std::uint32_t>(2048, 0);
    QTest::newRow("cut short before the row fields: one position")
        << Bytes().u32(0).u16(5).data() << std::vector<std::uint32_t>{0};
}

void TestWorksheet::index() {
    QFETCH(ByteVector, payload);
    QFETCH(std::vector<std::uint32_t>, positions);
    const ByteVector stream = BiffWriter().record(kIndex, payload).bytes();
    ZAreda::Worksheet::Index index;
    QCOMPARE(index.Read(span(stream)), stream.size());
    QCOMPARE(index.dbCellPositions, positions);
}

void TestWorksheet::dbCell_data() {
    QTest::addColumn<ByteVector>("payload");
    QTest::addColumn<quint32>("firstRowOffset");
    QTest::addColumn<QList<int>>("offsets");
    QTest::newRow("offsets of three rows") << Bytes().u32(0x1234).u16(10).u16(20).u16(30).data()
                                           << quint32(0x1234) << QList<int>{10, 20, 30};
    QTest::newRow("an odd byte at the end")
        << Bytes().u32(7).u16(10).u8(1).data() << quint32(7) << QList<int>{10};
    QTest::newRow("shorter than 4 bytes") << ByteVector{1, 2} << quint32(0) << QList<int>{};
    QTest::newRow("empty") << ByteVector{} << quint32(0) << QList<int>{};
}

void TestWorksheet::dbCell() {
    QFETCH(ByteVector, payload);
    QFETCH(quint32, firstRowOffset);
    QFETCH(QList<int>, offsets);
    const ByteVector stream = BiffWriter().record(kDbCell, payload).bytes();
    ZAreda::Worksheet::CellTable::RowBlock::DBCell dbCell;
    QCOMPARE(dbCell.Read(span(stream)), stream.size());
    QCOMPARE(dbCell.firstRowOffset, firstRowOffset);
    QCOMPARE(QList<int>(dbCell.cellOffsets.begin(), dbCell.cellOffsets.end()), offsets);
}

void TestWorksheet::fieldsAtTheirOffsets() {
    const ByteVector dimensions = BiffWriter().dimensions(3, 70000, 2, 300).bytes();
    ZAreda::Worksheet::Dimensions d;
    QCOMPARE(d.Read(span(dimensions)), 18u);
    QCOMPARE(d.firstRow, 3u);
    QCOMPARE(d.lastRowPlus1, 70000u);
    QCOMPARE(d.firstColumn, 2);
    QCOMPARE(d.lastColumnPlus1, 300);

    const ByteVector row =
        BiffWriter()
            .record(0x0208, Bytes().u16(9).u16(1).u16(8).u16(300).u16(0).u16(0).u32(0x000F0140))
            .bytes();
    ZAreda::Worksheet::CellTable::RowBlock::Row r;
    QCOMPARE(r.Read(span(row)), 20u);
    QCOMPARE(r.row, 9);
    QCOMPARE(r.firstColumn, 1);
    QCOMPARE(r.lastColumnPlus1, 8);
    QCOMPARE(r.height, 300);
    QCOMPARE(r.optionFlags, 0x000F0140u);

    // A chart sheet's WINDOW2 has 10 bytes: the rest keep their defaults.
    const ByteVector shortWindow =
        BiffWriter().record(kWindow2, Bytes().u16(0x06A0).u16(4).u16(5).u16(8).u16(0)).bytes();
    ZAreda::Worksheet::Window2 w;
    QCOMPARE(w.Read(span(shortWindow)), 14u);
    QCOMPARE(w.optionFlags, 0x06A0);
    QCOMPARE(w.firstVisibleRow, 4);
    QCOMPARE(w.gridLineColour, 8);
    QCOMPARE(w.zoomNormal, 0);

    const ZAreda::Worksheet fresh;
    QCOMPARE(fresh.bof.type, 0x0010);
    QCOMPARE(fresh.bof.version, 0x0600);
    QCOMPARE(fresh.window2.optionFlags, 0x06B6);
    QCOMPARE(fresh.window2.gridLineColour, 64);
    QCOMPARE(fresh.index.dbCellPositions, std::vector<std::uint32_t>{0});
}

void TestWorksheet::otherCodeReadsNothing() {
    const ByteVector stream = BiffWriter().row(0, 0, 1).bytes();
    ZAreda::Worksheet::CellTable::RowBlock block;
    CellBlock cell;
    QCOMPARE(cell.Read(span(stream), block), 0u);
    QCOMPARE(cell.type, 0x0208);
    QCOMPARE(cell.row(), 0);
    QVERIFY(!cell.rk() && !cell.formula());
    QCOMPARE(CellBlock().type, 0xFFFF);
}

// Each row block allocates its vectors once, at the size it needs: a sheet
// of many blocks wastes no room.
void TestWorksheet::cellVectorsAreSizedOnce() {
    BiffWriter w;
    w.bof(kSheet);
    for (std::uint16_t r = 0; r < 32; ++r)
        w.row(r, 0, 7);
    for (std::uint16_t r = 0; r < 32; ++r)
        w.labelSst(r, 0, r).number(r, 1, 1.5).mulRk(r, 2, {2, 6, 10}).mulBlank(r, 5, 6);
    w.dbCell(0).eof();
    ZAreda::Worksheet sheet;
    sheet.Read(span(w.bytes()));
    const auto &block = sheet.cellTable.rowBlocks.at(0);
    QCOMPARE(block.cellBlocks.size(), 128u);
    QCOMPARE(block.cellBlocks.capacity(), block.cellBlocks.size());
    QCOMPARE(block.rows.capacity(), 32u);
    QCOMPARE(block.mulRKEntries.size(), 96u);
    QCOMPARE(block.mulRKEntries.capacity(), 96u);
    QCOMPARE(block.mulBlankXFIndexes.capacity(), 64u);
}

// A writer that puts the whole sheet into one row block (python-xlwt writes no
// DBCELL): handed over, it arrives in parts of a bounded size, every cell
// once, in order, each MULRK with its own entries.
void TestWorksheet::largeBlockIsHandedOverInParts() {
    constexpr std::uint16_t rowCount = 5000;
    BiffWriter w;
    w.bof(kSheet);
    for (std::uint16_t r = 0; r < rowCount; ++r)
        w.row(r, 0, 3);
    for (std::uint16_t r = 0; r < rowCount; ++r)
        w.mulRk(r, 1, {rkFromInteger(r), rkFromInteger(-r)});
    w.eof();

    ZAreda::Worksheet sheet;
    using RowBlock = ZAreda::Worksheet::CellTable::RowBlock;
    QList<int> cellsPerPart, rowsPerPart;
    int nextRow = 0;
    bool entriesMatch = true;
    sheet.cellTable.onRowBlock = [&](const RowBlock &part) {
        cellsPerPart << int(part.cellBlocks.size());
        rowsPerPart << int(part.rows.size());
        for (const CellBlock &cell : part.cellBlocks) {
            const auto entries = part.entries(*cell.mulRK());
            entriesMatch = entriesMatch && cell.row() == nextRow && entries.size() == 2 &&
                           entries[0].rk == rkFromInteger(nextRow) &&
                           entries[1].rk == rkFromInteger(-nextRow);
            ++nextRow;
        }
    };
    QCOMPARE(sheet.Read(span(w.bytes())), std::uint32_t(w.size()));
    QCOMPARE(cellsPerPart, (QList<int>{4096, rowCount - 4096}));
    QCOMPARE(rowsPerPart, (QList<int>{rowCount, 0})); // the ROW records all came first
    QCOMPARE(nextRow, int(rowCount));
    QVERIFY(entriesMatch);
    QVERIFY(sheet.cellTable.rowBlocks.empty());
}

QTEST_GUILESS_MAIN(TestWorksheet)
#include "TestWorksheet.moc"
