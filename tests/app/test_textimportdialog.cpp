// The Textimport dialog as a person sees it: the detected choices, the first
// rows as they will be read, a reason instead of rows, Return to accept.
#include "app/ColumnChoice.h"
#include "app/TextImportDialog.h"
#include "xls/csv/DelimitedText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString previewRow(const QTableWidget *table, int row) {
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) {
        const QTableWidgetItem *item = table->item(row, column);
        cells << (item ? item->text() : QString());
    }
    return cells.join(QLatin1Char('|'));
}

template <typename T> T *part(TextImportDialog &dialog, const char *name) {
    T *found = dialog.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("the dialog has no %s", name);
    return found;
}

} // namespace

class TestTextImportDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void showsWhatWasDetected_data();
    void showsWhatWasDetected();
    void changedChoiceReadsAgain_data();
    void changedChoiceReadsAgain();
    void returnAcceptsTheChoicesShown();
    void onlyTextIsText_data();
    void onlyTextIsText();
    void detectionLooksForTheWindowsCaptions();

private:
    QString write(const QByteArray &bytes);
    QTemporaryDir dir;
    int files = 0;
};

QString TestTextImportDialog::write(const QByteArray &bytes) {
    const QString path = dir.filePath(QStringLiteral("liste%1.csv").arg(++files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestTextImportDialog::showsWhatWasDetected_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding");  // the encoding box's text
    QTest::addColumn<QString>("delimiter"); // the delimiter box's text
    QTest::addColumn<QString>("secondRow"); // preview row 1, cells joined by |
    QTest::addColumn<QString>("problem");   // a phrase of the reason, or empty

    QTest::newRow("windows-1252 with semicolons")
        << QByteArray("Name;Anzahl;Ort\nJ\xFCrgen;2;K\xF6ln\n")
        << QString::fromUtf8("Windows-1252 (Westeuropäisch)") << "Semikolon ( ; )"
        << QString::fromUtf8("Jürgen|2|Köln") << "";
    QTest::newRow("utf-8 with commas and quotes")
        << QByteArray("Name,Anzahl\n\"M\xC3\xBCller, Anna\",3\n") << "UTF-8"
        << "Komma ( , )" << QString::fromUtf8("Müller, Anna|3") << "";
    QTest::newRow("tab from a sep line") << QByteArray("sep=\t\nName\tAnzahl\nBert\t1\n") << "UTF-8"
                                         << "Tabulator"
                                         << "Bert|1"
                                         << "";
    QTest::newRow("another delimiter from a sep line")
        << QByteArray("sep=:\nName:Anzahl\nBert:1\n") << "UTF-8" << QString::fromUtf8("Zeichen „:“")
        << "Bert|1"
        << "";
    QTest::newRow("unclosed quote shows the reason, not rows")
        << QByteArray("Name;Anzahl\nAnna;1\n\"Bert;2\n") << "UTF-8"
        << "Semikolon ( ; )"
        << "|"
        << "(Zeile 3)";
}

void TestTextImportDialog::showsWhatWasDetected() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    QFETCH(QString, delimiter);
    QFETCH(QString, secondRow);
    QFETCH(QString, problem);

    TextImportDialog dialog(write(bytes));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Textimport"));
    QCOMPARE(part<QComboBox>(dialog, "encodingCombo")->currentText(), encoding);
    QCOMPARE(part<QComboBox>(dialog, "delimiterCombo")->currentText(), delimiter);
    QVERIFY(part<QLabel>(dialog, "detectedLabel")->text().contains(encoding));
    const auto *table = part<QTableWidget>(dialog, "previewTable");
    QCOMPARE(previewRow(table, 1), problem.isEmpty() ? secondRow : QString());
    const QString reason = part<QLabel>(dialog, "problemLabel")->text();
    QVERIFY2(problem.isEmpty() ? reason.isEmpty() : reason.contains(problem), qPrintable(reason));
    auto *ok = part<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
    QCOMPARE(ok->isEnabled(), problem.isEmpty());
}

void TestTextImportDialog::changedChoiceReadsAgain_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("secondRow");
    QTest::addColumn<QString>("problem");

    QTest::newRow("comma splits the town off")
        << "delimiterCombo" << 1 << QString::fromUtf8("Jürgen;2;Köln| Süd") << "";
    QTest::newRow("tab keeps whole lines")
        << "delimiterCombo" << 2 << QString::fromUtf8("Jürgen;2;Köln, Süd") << "";
    QTest::newRow("utf-8 cannot read the umlauts") << "encodingCombo" << 0 << ""
                                                   << "Zeichenkodierung";
    QTest::newRow("dos code page reads other letters")
        << "encodingCombo" << 5 << QString::fromUtf8("J³rgen|2|K÷ln, S³d") << "";
}

void TestTextImportDialog::changedChoiceReadsAgain() {
    QFETCH(QString, box);
    QFETCH(int, index);
    QFETCH(QString, secondRow);
    QFETCH(QString, problem);

    TextImportDialog dialog(write("Name;Anzahl;Ort\nJ\xFCrgen;2;K\xF6ln, S\xFC"
                                  "d\n"));
    part<QComboBox>(dialog, box.toLatin1().constData())->setCurrentIndex(index);
    QCOMPARE(previewRow(part<QTableWidget>(dialog, "previewTable"), 1), secondRow);
    const QString reason = part<QLabel>(dialog, "problemLabel")->text();
    QVERIFY2(problem.isEmpty() ? reason.isEmpty() : reason.contains(problem), qPrintable(reason));
}

void TestTextImportDialog::returnAcceptsTheChoicesShown() {
    TextImportDialog dialog(write("a|b\nc|d\n"));
    part<QComboBox>(dialog, "encodingCombo")->setCurrentIndex(1); // Windows-1252
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *delimiter = part<QComboBox>(dialog, "delimiterCombo");
    delimiter->setFocus();
    QTest::keyClick(delimiter, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.loadOptions().csvDelimiter, '|');
    QCOMPARE(dialog.loadOptions().csvCodePage, 1252u);
}

void TestTextImportDialog::onlyTextIsText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("text");
    QTest::newRow("csv") << QByteArray("a;b\n") << true;
    QTest::newRow("utf-16 with mark") << QByteArray("\xFF\xFE"
                                                    "a\0",
                                                    4)
                                      << true;
    QTest::newRow("compound file") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") << false;
    QTest::newRow("zip") << QByteArray("PK\x03\x04") << false;
    QTest::newRow("xml") << QByteArray("<?xml version=\"1.0\"?><a/>") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestTextImportDialog::onlyTextIsText() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, text);
    QCOMPARE(TextImportDialog::isTextFile(write(bytes)), text);
}

// The reader breaks delimiter ties by the caption words the window chooses
// its columns by; a word the window no longer matches would mislead it.
void TestTextImportDialog::detectionLooksForTheWindowsCaptions() {
    for (std::u16string_view word : xls::csv::captionWords) {
        const QString caption = "Spalte " + QString::fromUtf16(word.data(), qsizetype(word.size()));
        const ColumnChoice choice = chooseColumns({QStringLiteral("x"), caption});
        QVERIFY2(choice.nameColumn == 1 || choice.quantityColumn == 1, qPrintable(caption));
    }
}

QTEST_MAIN(TestTextImportDialog)
#include "test_textimportdialog.moc"
