#include "app/ImportFailureText.h"

#include <QTest>

Q_DECLARE_METATYPE(xls::ReadErrorCode)
Q_DECLARE_METATYPE(xls::PackageContent)
Q_DECLARE_METATYPE(xls::ReadError)

class TestImportFailureText : public QObject {
    Q_OBJECT

private slots:
    void reasonForCode_data();
    void reasonForCode();
    void everyFailureHasAReason();
    void refusedPackageIsNamed_data();
    void refusedPackageIsNamed();
    void detailInGerman_data();
    void detailInGerman();
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
                                  << QString::fromUtf8("alten Excel-Version");
    QTest::newRow("password") << ReadErrorCode::EncryptedWorkbook
                              << QString::fromUtf8("Passwort geschützt");
    QTest::newRow("wrong password")
        << ReadErrorCode::WrongPassword << QString::fromUtf8("Falsches Passwort");
    QTest::newRow("unknown encryption")
        << ReadErrorCode::UnsupportedEncryption << QString::fromUtf8("verschlüsselt");
    QTest::newRow("encrypted xlsx")
        << ReadErrorCode::EncryptedOfficeOpenXml
        << QString::fromUtf8("verschlüsselte Arbeitsmappe im neueren Format .xlsx");
    QTest::newRow("code page") << ReadErrorCode::UnknownCodePage
                               << QString::fromUtf8("Zeichenkodierung");
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
    QTest::newRow("0 bytes") << ReadErrorCode::EmptyFile << QString::fromUtf8("Die Datei ist leer");
    QTest::newRow("a package of no known kind")
        << ReadErrorCode::NotSpreadsheetPackage
        << QString::fromUtf8("Die Datei ist eine ZIP-Datei, keine Tabelle");
}

void TestImportFailureText::reasonForCode() {
    QFETCH(xls::ReadErrorCode, code);
    QFETCH(QString, says);
    const QString reason = importFailureReason(code);
    QVERIFY2(reason.contains(says), qPrintable("the reason reads: " + reason));
}

void TestImportFailureText::everyFailureHasAReason() {
    QVERIFY(importFailureReason(xls::ReadErrorCode::None).isEmpty());
    int code = 1;
    for (; QLatin1String(xls::codeName(xls::ReadErrorCode(code))) != QLatin1String("?"); ++code) {
        const QString reason = importFailureReason(xls::ReadErrorCode(code));
        QVERIFY2(!reason.isEmpty(), xls::codeName(xls::ReadErrorCode(code)));
        QVERIFY2(reason.endsWith(QLatin1Char('.')), qPrintable(reason));
        for (const char *english : {" the ", " is ", " of ", " not ", " file "})
            QVERIFY2(!reason.contains(QLatin1String(english)), qPrintable(reason));
    }
    QVERIFY2(code > int(xls::ReadErrorCode::NotSpreadsheetPackage), "codeName misses a code");
    // A code beyond the known ones still gets a sentence, not an empty box.
    QVERIFY(importFailureReason(xls::ReadErrorCode(code)).endsWith(QLatin1Char('.')));
}

void TestImportFailureText::refusedPackageIsNamed_data() {
    using xls::PackageContent;
    QTest::addColumn<PackageContent>("package");
    QTest::addColumn<QString>("says");
    QTest::newRow(".docx") << PackageContent::WordDocument
                           << QString::fromUtf8("ist ein Word-Dokument (.docx), keine Tabelle");
    QTest::newRow(".pptx") << PackageContent::Presentation
                           << QString::fromUtf8("eine PowerPoint-Präsentation");
    QTest::newRow(".odt") << PackageContent::OpenDocumentText
                          << QString::fromUtf8("ein OpenDocument-Text (.odt)");
    QTest::newRow(".odp") << PackageContent::OpenDocumentPresentation
                          << QString::fromUtf8("eine OpenDocument-Präsentation");
    QTest::newRow("another ODF") << PackageContent::OtherOpenDocument
                                 << QString::fromUtf8("ein OpenDocument-Dokument, keine Tabelle");
    QTest::newRow("a plain zip") << PackageContent::Unknown
                                 << QString::fromUtf8("eine ZIP-Datei, keine Tabelle");
}

void TestImportFailureText::refusedPackageIsNamed() {
    QFETCH(xls::PackageContent, package);
    QFETCH(QString, says);
    xls::ReadError error{xls::ReadErrorCode::NotSpreadsheetPackage, "English", 30};
    error.package = package;
    const QString reason = importFailureReason(error);
    QVERIFY2(reason.contains(says), qPrintable(reason));
}

void TestImportFailureText::detailInGerman_data() {
    QTest::addColumn<xls::ReadError>("error");
    QTest::addColumn<QString>("detail");
    using xls::ReadErrorCode;
    QTest::newRow("no error") << xls::ReadError{} << QString();
    QTest::newRow("an offset") << xls::ReadError{ReadErrorCode::CorruptChain,
                                                 "the chain starting at sector 2 ...", 1234}
                               << "Stelle: Byte 1234; Fehlerkennung: CorruptChain";
    QTest::newRow("a line") << xls::ReadError{ReadErrorCode::UnclosedQuote, "the quoted field ...",
                                              40, 3}
                            << "Stelle: Byte 40; Zeile 3; Fehlerkennung: UnclosedQuote";
    QTest::newRow("nowhere in particular")
        << xls::ReadError{ReadErrorCode::EmptyFile, "the file is empty", std::nullopt}
        << "Fehlerkennung: EmptyFile";
}

void TestImportFailureText::detailInGerman() {
    QFETCH(xls::ReadError, error);
    QFETCH(QString, detail);
    QCOMPARE(importFailureDetail(error), detail);
}

QTEST_APPLESS_MAIN(TestImportFailureText)
#include "test_importfailuretext.moc"
