#include "import/QBaseImporter.h"

#include <QMetaMethod>
#include <QTest>

namespace {

// Fills the table as a concrete importer would, from a list of
// (column, row, text) triples, so the accessors can be checked on it.
class TableImporter : public QBaseImporter {
public:
    struct Cell {
        int column;
        int row;
        QString text;
    };
    TableImporter(int columns, QList<Cell> cells) : QBaseImporter(nullptr) {
        for (int column = 0; column < columns; ++column)
            table.insert(column, ImportedColumn());
        for (const Cell &cell : cells)
            table[cell.column].insert(cell.row, cell.text);
        info.insert(QStringLiteral("NAME"), QStringLiteral("Namen.xls"));
    }
};

} // namespace

Q_DECLARE_METATYPE(TableImporter::Cell)

class TestBaseImporter : public QObject {
    Q_OBJECT

private slots:
    void emptyBeforeImport();
    void metaObjectHasOneSlot();
    void headerRowKeepsColumnPositions_data();
    void headerRowKeepsColumnPositions();
    void columnDataOfAbsentColumnIsEmpty();
};

void TestBaseImporter::emptyBeforeImport() {
    QBaseImporter importer(nullptr);
    importer.importFile(QStringLiteral("/tmp/irrelevant.xls"));
    QVERIFY(importer.canImport(QStringLiteral("anything.txt")));
    QVERIFY(importer.fileInfo(QStringLiteral("NAME")).isNull());
    QVERIFY(importer.headerRow().isEmpty());
    QVERIFY(importer.columnData(0).isEmpty());
}

void TestBaseImporter::metaObjectHasOneSlot() {
    const QMetaObject &meta = QBaseImporter::staticMetaObject;
    QCOMPARE(meta.className(), "QBaseImporter");
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 1);
    const QMetaMethod slot = meta.method(meta.methodOffset());
    QCOMPARE(slot.methodSignature(), QByteArray("importFile(QString)"));
    QCOMPARE(slot.methodType(), QMetaMethod::Slot);
    QCOMPARE(slot.access(), QMetaMethod::Public);
    QCOMPARE(slot.parameterNames(), QList<QByteArray>{"fileName"});
}

void TestBaseImporter::headerRowKeepsColumnPositions_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<QList<TableImporter::Cell>>("cells");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<bool>>("isNull");

    QTest::newRow("all captions") << 2
                                  << QList<TableImporter::Cell>{{0, 0, "Name"}, {1, 0, "Anzahl"}}
                                  << QStringList{"Name", "Anzahl"} << QList<bool>{false, false};
    QTest::newRow("middle column without row 0")
        << 3 << QList<TableImporter::Cell>{{0, 0, "Name"}, {1, 4, "x"}, {2, 0, "Anzahl"}}
        << QStringList{"Name", QString(), "Anzahl"} << QList<bool>{false, true, false};
    QTest::newRow("ten columns sort numerically, not as text")
        << 11 << QList<TableImporter::Cell>{{2, 0, "c"}, {10, 0, "k"}}
        << QStringList{{}, {}, "c", {}, {}, {}, {}, {}, {}, {}, "k"}
        << QList<bool>{true, true, false, true, true, true, true, true, true, true, false};
}

void TestBaseImporter::headerRowKeepsColumnPositions() {
    QFETCH(int, columns);
    QFETCH(QList<TableImporter::Cell>, cells);
    QFETCH(QStringList, captions);
    QFETCH(QList<bool>, isNull);

    const TableImporter importer(columns, cells);
    const QStringList header = importer.headerRow();
    QCOMPARE(header, captions);
    for (int i = 0; i < header.size(); ++i)
        QVERIFY2(header.at(i).isNull() == isNull.at(i), qPrintable(QString::number(i)));
}

void TestBaseImporter::columnDataOfAbsentColumnIsEmpty() {
    const TableImporter importer(2, {{0, 0, "Name"}, {0, 1, "Anna"}, {0, 4, "Bert"}});
    const ImportedColumn names = importer.columnData(0);
    QCOMPARE(names.keys().size(), 3);
    QCOMPARE(names.value(4), QStringLiteral("Bert"));
    QVERIFY(!names.contains(2));
    QVERIFY(importer.columnData(1).isEmpty());
    QVERIFY(importer.columnData(2).isEmpty());
    QVERIFY(importer.columnData(-1).isEmpty());
    QCOMPARE(importer.fileInfo(QStringLiteral("NAME")), QStringLiteral("Namen.xls"));
    QVERIFY(importer.fileInfo(QStringLiteral("PATH")).isNull());
}

QTEST_GUILESS_MAIN(TestBaseImporter)
#include "test_baseimporter.moc"
