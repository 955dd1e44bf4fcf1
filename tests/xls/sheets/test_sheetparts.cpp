// A large .xlsx sheet is read on two cores, cut before rows: whatever the
// sheet holds around the cuts, and however the threads are paced, it gives
// the cells (or the error) of the same sheet read in one.
#include "SheetDump.h"
#include "support/writers/ZipWriter.h"
#include "xls/model/GridBuilder.h"
#include "xls/xlsx/XlsxReader.h"

#include <QTest>

#include <chrono>
#include <thread>

using namespace testwriters;

namespace {

const std::string kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

// A grid that takes no later part: the sheet is read in one.
class GridInOne : public GridBuilder {
public:
    using GridBuilder::GridBuilder;
    std::unique_ptr<xls::CellSink> laterPart() override { return nullptr; }
};

// A later part whose cells are written slowly, as by a thread on a busy core.
class SlowPart : public xls::CellSink {
public:
    explicit SlowPart(std::unique_ptr<xls::CellSink> inner) : inner(std::move(inner)) {}
    std::unique_ptr<xls::CellSink> inner;

    void setLimits(std::uint32_t rows, std::uint32_t columns) override {
        inner->setLimits(rows, columns);
    }
    void announceSize(std::uint32_t rows, std::uint32_t columns) override {
        inner->announceSize(rows, columns);
    }
    bool reach(std::uint32_t row, std::uint32_t column) override {
        return inner->reach(row, column);
    }
    bool setInteger(std::uint32_t row, std::uint32_t column, std::int32_t value) override {
        return slowly(), inner->setInteger(row, column, value);
    }
    bool setDouble(std::uint32_t row, std::uint32_t column, double value) override {
        return slowly(), inner->setDouble(row, column, value);
    }
    bool setText(std::uint32_t row, std::uint32_t column, std::string_view text) override {
        return slowly(), inner->setText(row, column, text);
    }
    bool setText(std::uint32_t row, std::uint32_t column, std::u16string_view text) override {
        return slowly(), inner->setText(row, column, text);
    }
    bool setSharedText(std::uint32_t row, std::uint32_t column,
                       std::shared_ptr<const std::u16string> text) override {
        return slowly(), inner->setSharedText(row, column, std::move(text));
    }
    std::uint64_t storedCells() const override { return inner->storedCells(); }

private:
    static void slowly() { std::this_thread::sleep_for(std::chrono::microseconds(50)); }
};

// Counts the parts joined; `slowFirstPart` makes the second thread's part slow.
class GridCountingParts : public GridBuilder {
public:
    GridCountingParts(ExcelWorksheet &sheet, bool slowFirstPart)
        : GridBuilder(sheet), slowFirstPart(slowFirstPart) {}
    std::unique_ptr<xls::CellSink> laterPart() override {
        auto part = GridBuilder::laterPart();
        if (slowFirstPart && made++ == 0)
            return std::make_unique<SlowPart>(std::move(part));
        return part;
    }
    void joinLaterPart(std::unique_ptr<xls::CellSink> part) override {
        if (auto *slow = dynamic_cast<SlowPart *>(part.get()))
            part = std::move(slow->inner);
        ++joined;
        GridBuilder::joinLaterPart(std::move(part));
    }
    int joined = 0;

private:
    bool slowFirstPart;
    int made = 0;
};

QStringList readInto(const std::vector<std::uint8_t> &bytes, GridBuilder &grid,
                     const ExcelWorksheet &sheet) {
    xls::ZipArchive zip;
    xls::ReadError error;
    if (!zip.open(bytes, error) || !xls::readXlsx(zip, grid, error))
        return {QString::fromStdString("error " + error.describe())};
    grid.finish();
    return dumpSheet(sheet);
}

// Rows `first` to `last` of three cells: a shared string, an inline string
// and a number (`shift` added), with their numbers or without, names
// prefixed with `x:` or not. Some 150 bytes a row, 100 without numbers.
std::string rows(int first, int last, bool numbered = true, int shift = 0,
                 const std::string &x = "") {
    std::string out;
    for (int r = first; r <= last; ++r) {
        const std::string n = std::to_string(r);
        const std::string at = numbered ? " r=\"" + n + "\"" : "";
        const auto cell = [&](char column) {
            return numbered ? std::string(" r=\"") + column + n + "\"" : std::string();
        };
        out += "<" + x + "row" + at + "><" + x + "c" + cell('A') + " t=\"s\"><" + x + "v>" +
               std::to_string(r % 40) + "</" + x + "v></" + x + "c><" + x + "c" + cell('B') +
               " t=\"inlineStr\"><" + x + "is><" + x + "t>Gast Nummer " + n + "</" + x + "t></" +
               x + "is></" + x + "c><" + x + "c" + cell('C') + "><" + x + "v>" +
               std::to_string(r + shift) + ".5</" + x + "v></" + x + "c></" + x + "row>\n";
    }
    return out;
}

std::string sharedStrings() {
    std::string sst;
    for (int i = 0; i < 40; ++i)
        sst += "<si><t>Vorname " + std::to_string(i) + "</t></si>";
    return sst;
}

// Past 4 MiB, the size from which a sheet is read on two cores.
constexpr int kRows = 30000;

} // namespace

class TestSheetParts : public QObject {
    Q_OBJECT

private slots:
    void sameCellsAsReadInOne_data();
    void sameCellsAsReadInOne();
};

void TestSheetParts::sameCellsAsReadInOne_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("slowSecondThread");
    // How many parts are joined to the first depends on how the threads are
    // paced, within these bounds.
    QTest::addColumn<int>("leastJoined");
    QTest::addColumn<int>("mostJoined");
    const int half = kRows / 2;
    // Fake rows that fill the middle of the part, where the first cut is looked for.
    const std::string fake = rows(1, half / 2, true, 7000);
    const auto sheet = [](const std::string &inside) {
        return QString::fromStdString("<sheetData>" + inside + "</sheetData>");
    };
    QTest::newRow("rows that say their numbers: cut in two")
        << sheet(rows(1, kRows)) << false << 1 << 2;
    QTest::newRow("the second thread slow: the first takes the rest from a second cut")
        << sheet(rows(1, kRows)) << true << 2 << 2;
    QTest::newRow("rows that do not say their numbers: read in one")
        << sheet(rows(1, kRows * 3 / 2, false)) << false << 0 << 0;
    QTest::newRow("the middle in a comment full of rows: no cut")
        << sheet(rows(1, half) + "<!--" + fake + "-->" + rows(half + 1, kRows)) << false << 0 << 0;
    QTest::newRow("the middle in a CDATA section full of rows: no cut")
        << sheet(rows(1, half) + "<row r=\"" + std::to_string(half) + "\"><c r=\"D" +
                 std::to_string(half) + "\"><f><![CDATA[" + fake + "]]></f><v>1</v></c></row>" +
                 rows(half + 1, kRows))
        << false << 0 << 0;
    QTest::newRow("later rows writing over earlier ones: the later cells win")
        << sheet(rows(1, half + 2000) + rows(1, half, true, 100000)) << false << 1 << 2;
    QTest::newRow("prefixed names, their namespace declared on the sheet data")
        << QString::fromStdString("<x:sheetData xmlns:x=\"" + kMain + "\">" +
                                  rows(1, kRows, true, 0, "x:") + "</x:sheetData>")
        << false << 1 << 2;
    QTest::newRow("damaged after the middle: the error of the sheet read in one")
        << sheet(rows(1, kRows - 100) + "<row r=\"1\"><c></row>" + rows(kRows - 99, kRows)) << false
        << 0 << 0;
}

void TestSheetParts::sameCellsAsReadInOne() {
    QFETCH(QString, body);
    QFETCH(bool, slowSecondThread);
    QFETCH(int, leastJoined);
    QFETCH(int, mostJoined);
    const std::vector<std::uint8_t> bytes =
        writeZip(xlsxParts({body.toStdString()}, sharedStrings())).bytes;
    QVERIFY(body.size() > 4 << 20);

    ExcelWorksheet wholeSheet;
    GridInOne whole(wholeSheet);
    const QStringList expected = readInto(bytes, whole, wholeSheet);
    ExcelWorksheet cutSheet;
    GridCountingParts cut(cutSheet, slowSecondThread);
    const QStringList got = readInto(bytes, cut, cutSheet);

    QCOMPARE(got.size(), expected.size());
    QCOMPARE(got, expected);
    QVERIFY2(cut.joined >= leastJoined && cut.joined <= mostJoined,
             qPrintable(QString("%1 parts joined").arg(cut.joined)));
    QVERIFY(expected.size() > 1 || expected.first().startsWith("error"));
    QCOMPARE(cutSheet.storedPerColumn().size(), wholeSheet.storedPerColumn().size());
    QVERIFY(std::equal(cutSheet.storedPerColumn().begin(), cutSheet.storedPerColumn().end(),
                       wholeSheet.storedPerColumn().begin()));
}

QTEST_GUILESS_MAIN(TestSheetParts)
#include "test_sheetparts.moc"
