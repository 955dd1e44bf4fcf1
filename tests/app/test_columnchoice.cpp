#include "app/ColumnChoice.h"

#include <QTest>

class TestColumnChoice : public QObject {
    Q_OBJECT

private slots:
    void choosesByCaption_data();
    void choosesByCaption();
};

void TestColumnChoice::choosesByCaption_data() {
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("nameColumn");
    QTest::addColumn<int>("quantityColumn");

    QTest::newRow("Vorname Nachname Anzahl: the last name caption")
        << QStringList{"Vorname", "Nachname", "Anzahl"} << 1 << 2;
    QTest::newRow("NAME Stück: case-sensitive, nothing matches")
        << QStringList{"NAME", QString::fromUtf8("Stück")} << 0 << -1;
    QTest::newRow("Menge Anzahl: the later one") << QStringList{"Menge", "Anzahl"} << 0 << 1;
    QTest::newRow("Anzahl Menge: the later one") << QStringList{"Anzahl", "Menge"} << 0 << 1;
    QTest::newRow("Anzahl Namen: one column for both")
        << QStringList{"Nr", "Anzahl Namen"} << 1 << 1;
    QTest::newRow("Name Anzahl") << QStringList{"Name", "Anzahl"} << 0 << 1;
    QTest::newRow("Anz. abbreviated") << QStringList{"Teilnehmername", "Ort", "Anz."} << 0 << 2;
    QTest::newRow("name in lower case inside a word")
        << QStringList{"Nr", "Vorname", "Firma"} << 1 << -1;
    QTest::newRow("anzahl in lower case does not count")
        << QStringList{"Name", "anzahl"} << 0 << -1;
    QTest::newRow("null caption of a column without row 0")
        << QStringList{QString(), "Name", QString(), "Menge"} << 1 << 3;
    QTest::newRow("no captions") << QStringList{} << 0 << -1;
    QTest::newRow("numbers as captions: no quantity column")
        << QStringList{"1", "2226634"} << 0 << -1;
}

void TestColumnChoice::choosesByCaption() {
    QFETCH(QStringList, captions);
    QFETCH(int, nameColumn);
    QFETCH(int, quantityColumn);
    const ColumnChoice choice = chooseColumns(captions);
    QCOMPARE(choice.nameColumn, nameColumn);
    QCOMPARE(choice.quantityColumn, quantityColumn);
}

QTEST_APPLESS_MAIN(TestColumnChoice)
#include "test_columnchoice.moc"
