// Encrypted workbooks: the XOR password verifier against the published
// example, and every encryption method of the corpus with its known password,
// a wrong one and none (Excel's default password only).
#include "support/TestPaths.h"
#include "xls/crypto/PasswordKeys.h"
#include "xls/model/ExcelWorkbook.h"

#include <QFile>
#include <QTest>

using xls::ReadErrorCode;

class TestDecryption : public QObject {
    Q_OBJECT

private slots:
    void xorPasswordVerifier_data();
    void xorPasswordVerifier();
    void corpusWorkbooks_data();
    void corpusWorkbooks();
};

void TestDecryption::xorPasswordVerifier_data() {
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<int>("verifier");
    // The worked example of the OpenOffice.org documentation of the Excel
    // file format (section 4.18.4): "abcdefghij" hashes to 0xFEF1.
    QTest::newRow("abcdefghij") << QByteArray("abcdefghij") << 0xFEF1;
    // Only the first 15 characters count.
    QTest::newRow("abcdefghijklmno + more")
        << QByteArray("abcdefghijklmnopqrs")
        << int(xls::crypto::xorPasswordVerifier("abcdefghijklmno"));
}

void TestDecryption::xorPasswordVerifier() {
    QFETCH(QByteArray, password);
    QFETCH(int, verifier);
    QCOMPARE(int(xls::crypto::xorPasswordVerifier(password.toStdString())), verifier);
}

void TestDecryption::corpusWorkbooks_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("password");
    QTest::addColumn<ReadErrorCode>("code");
    QTest::addColumn<int>("cells"); // value cells of sheet 0 when it opens

    struct Encrypted {
        const char *method;
        const char *file;
        const char *password; // empty: Excel's default opens it
        int cells;
    };
    const Encrypted files[] = {
        {"XOR, Excel 5.0/95", "exceldatareader/Test_git_issue_242_xor_pwd_password.xls", "password",
         1},
        {"XOR, Excel 5.0/95 (2002)", "sheetjs/biff5__password_2002_40_xor.xls", "password", 5},
        {"RC4 40-bit MD5", "poi/password.xls", "password", 1},
        {"RC4 40-bit MD5, default password", "calamine/issue_385.xls", "", 0},
        {"RC4 CryptoAPI 128-bit", "sheetjs/password_2002_128_enhanced.xls", "password", 5},
        {"RC4 CryptoAPI 40-bit", "sheetjs/password_2002_40_dhsc.xls", "password", 5},
        {"RC4 CryptoAPI, default password", "phpspreadsheet/pwtest3.xls", "", 1},
        {"RC4 CryptoAPI 128-bit, POI", "poi/35897-type4.xls", "freedom", 1},
    };
    for (const Encrypted &e : files) {
        QTest::addRow("%s: known password", e.method)
            << e.file << e.password << ReadErrorCode::None << e.cells;
        QTest::addRow("%s: wrong password", e.method)
            << e.file << "Falsch!"
            << (*e.password ? ReadErrorCode::WrongPassword : ReadErrorCode::None) << e.cells;
        if (*e.password)
            QTest::addRow("%s: no password", e.method)
                << e.file << "" << ReadErrorCode::EncryptedWorkbook << 0;
    }
}

void TestDecryption::corpusWorkbooks() {
    QFETCH(QString, file);
    QFETCH(QString, password);
    QFETCH(ReadErrorCode, code);
    QFETCH(int, cells);
    if (testpaths::corpusDir().isEmpty())
        QSKIP("the real-world corpus folder is absent (TAGOMAT_XLS_CORPUS)");

    LoadOptions options;
    options.password = password.toStdString();
    ExcelWorkbook workbook;
    const QString path = testpaths::corpusDir() + QLatin1Char('/') + file;
    const bool loaded = workbook.load(QFile::encodeName(path).constData(), options);
    QCOMPARE(workbook.lastError().code, code);
    QCOMPARE(loaded, code == ReadErrorCode::None);
    if (!loaded)
        return;
    int count = 0;
    workbook.sheet(0)->forEachValue(
        [&](std::uint32_t, std::uint32_t, const ExcelCell &) { ++count; });
    QCOMPARE(count, cells);
}

QTEST_APPLESS_MAIN(TestDecryption)
#include "test_decryption.moc"
