#include "app/ImportFailureText.h"

#include <QTest>

Q_DECLARE_METATYPE(xls::ReadErrorCode)

class TestImportFailureText : public QObject {
    Q_OBJECT

private slots:
    void reasonForCode_data();
    void reasonForCode();
    void everyFailureHasAReason();
};

void TestImportFailureText::reasonForCode_data() {
    using xls::ReadErrorCode;
    QTest::addColumn<ReadErrorCode>("code");
    QTest::addColumn<QString>("says"); // a phrase the reason must contain

    const QString notReadable = QString::fromUtf8("kann nicht gelesen werden");
    const QString damaged = QString::fromUtf8("beschädigt");
    QTest::newRow("missing file") << ReadErrorCode::FileNotOpened << notReadable;
    QTest::newRow("read error") << ReadErrorCode::FileReadFailed << notReadable;
    QTest::newRow("text renamed .xls")
        << ReadErrorCode::NotCompoundFile << QString::fromUtf8("keine Excel-Arbeitsmappe (.xls)");
    QTest::newRow("xlsx") << ReadErrorCode::OfficeOpenXml << QString::fromUtf8(".xlsx");
    QTest::newRow("Excel 5.0/95") << ReadErrorCode::Excel95Workbook
                                  << QString::fromUtf8("Excel 5.0/95");
    QTest::newRow("password") << ReadErrorCode::EncryptedWorkbook
                              << QString::fromUtf8("Kennwort geschützt");
    QTest::newRow("BIFF2-4 worksheet")
        << ReadErrorCode::LegacyWorksheet << QString::fromUtf8("alten Excel-Version");
    for (ReadErrorCode code :
         {ReadErrorCode::CorruptHeader, ReadErrorCode::CorruptAllocationTable,
          ReadErrorCode::CorruptChain, ReadErrorCode::CorruptDirectory,
          ReadErrorCode::StreamExceedsChain, ReadErrorCode::TruncatedFile,
          ReadErrorCode::CorruptWorkbookStream, ReadErrorCode::TruncatedWorkbookStream})
        QTest::addRow("damaged %d", int(code)) << code << damaged;
    QTest::newRow("Word document")
        << ReadErrorCode::NoWorkbookStream << QString::fromUtf8("enthält keine Excel-Arbeitsmappe");
    QTest::newRow("no sheet") << ReadErrorCode::NoWorksheet
                              << QString::fromUtf8("kein Tabellenblatt");
    QTest::newRow("too large") << ReadErrorCode::FileTooLarge << QString::fromUtf8("zu groß");
    QTest::newRow("a bomb") << ReadErrorCode::InflateLimit << QString::fromUtf8("Grenzen");
    QTest::newRow("too long a text") << ReadErrorCode::XmlLimit << QString::fromUtf8("Textlänge");
    QTest::newRow(".xlsb") << ReadErrorCode::BinaryWorkbook << QString::fromUtf8("(.xlsb)");
    QTest::newRow("a zip of something else")
        << ReadErrorCode::NoSpreadsheetPart << QString::fromUtf8("keine Tabelle");
}

void TestImportFailureText::reasonForCode() {
    QFETCH(xls::ReadErrorCode, code);
    QFETCH(QString, says);
    const QString reason = importFailureReason(code);
    QVERIFY2(reason.contains(says), qPrintable("the reason reads: " + reason));
}

void TestImportFailureText::everyFailureHasAReason() {
    QVERIFY(importFailureReason(xls::ReadErrorCode::None).isEmpty());
    const auto last = int(xls::ReadErrorCode::BinaryWorkbook);
    for (int code = 1; code <= last + 1; ++code) {
        const QString reason = importFailureReason(xls::ReadErrorCode(code));
        QVERIFY2(!reason.isEmpty(), qPrintable(QStringLiteral("no reason for code %1").arg(code)));
        // A code beyond the known ones still gets a sentence, not an empty box.
        QVERIFY2(reason.endsWith(QLatin1Char('.')), qPrintable(reason));
    }
}

QTEST_APPLESS_MAIN(TestImportFailureText)
#include "test_importfailuretext.moc"
