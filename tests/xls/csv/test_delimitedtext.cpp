#include "xls/csv/DelimitedText.h"
#include "xls/model/ExcelWorkbook.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

using xls::ReadErrorCode;

Q_DECLARE_METATYPE(ReadErrorCode)

namespace {

xls::ByteSpan spanOf(const QByteArray &bytes) {
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
}

// Every field as "row:column=text", in the order the reader gives them.
class CollectingSink : public xls::CellSink {
public:
    void setLimits(std::uint32_t, std::uint32_t) override {}
    void announceSize(std::uint32_t, std::uint32_t) override {}
    bool reach(std::uint32_t, std::uint32_t) override { return false; }
    bool setInteger(std::uint32_t, std::uint32_t, std::int32_t) override { return false; }
    bool setDouble(std::uint32_t, std::uint32_t, double) override { return false; }
    bool setText(std::uint32_t record, std::uint32_t column, std::string_view text) override {
        widths += '1';
        return field(record, column, QString::fromLatin1(text.data(), qsizetype(text.size())));
    }
    bool setText(std::uint32_t record, std::uint32_t column, std::u16string_view text) override {
        widths += '2';
        return field(record, column, QString::fromUtf16(text.data(), qsizetype(text.size())));
    }
    bool setSharedText(std::uint32_t, std::uint32_t,
                       std::shared_ptr<const std::u16string>) override {
        return false;
    }
    std::uint64_t storedCells() const override { return std::uint64_t(fields.size()); }

    QStringList fields;
    QByteArray widths; // a field's text as single bytes (1) or as UTF-16 (2)

private:
    bool field(std::uint32_t record, std::uint32_t column, const QString &text) {
        fields << QStringLiteral("%1:%2=%3").arg(record).arg(column).arg(text);
        return true;
    }
};

struct Outcome {
    xls::ReadError error;
    xls::csv::DelimitedTextFormat format;
    QStringList fields;
    QByteArray widths;
};

Outcome read(const QByteArray &bytes, xls::csv::DelimitedTextOptions options = {}) {
    Outcome outcome;
    CollectingSink sink;
    outcome.error = xls::csv::readDelimitedText(spanOf(bytes), options, outcome.format, sink);
    outcome.fields = sink.fields;
    outcome.widths = sink.widths;
    return outcome;
}

QByteArray utf16(const QString &text, bool bigEndian) {
    QByteArray bytes;
    for (QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes += bigEndian ? QByteArray{&high, 1} + QByteArray{&low, 1}
                           : QByteArray{&low, 1} + QByteArray{&high, 1};
    }
    return bytes;
}

} // namespace

class TestDelimitedText : public QObject {
    Q_OBJECT

private slots:
    void detection_data();
    void detection();
    void quoting_data();
    void quoting();
    void refusals_data();
    void refusals();
    void optionsOverrideDetection_data();
    void optionsOverrideDetection();
    void utf8ReadsAsItsUtf16_data();
    void utf8ReadsAsItsUtf16();
    void invalidUtf8NamesItsOffset_data();
    void invalidUtf8NamesItsOffset();
    void agreesWithPythonsCsvModule();
    void workbookLoadsTextAsTextCells();
    void refusedTextKeepsThePreviousSheet();
};

// Encoding and delimiter, as bytes in, detected format and fields out.
void TestDelimitedText::detection_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("codePage");
    QTest::addColumn<bool>("byteOrderMark");
    QTest::addColumn<QString>("delimiter");
    QTest::addColumn<bool>("fromSepLine");
    QTest::addColumn<QStringList>("fields");

    const QStringList nameAnzahl{"0:0=Name", "0:1=Anzahl", "1:0=Jürgen", "1:1=2"};
    QTest::newRow("utf-8 byte order mark")
        << QByteArray("\xEF\xBB\xBFName;Anzahl\nJ\xC3\xBCrgen;2\n") << 65001 << true << ";" << false
        << nameAnzahl;
    // One, two, three and four bytes a character; the last one beyond the
    // 16-bit plane, read as a surrogate pair.
    QTest::newRow("utf-8 of every length")
        << QByteArray("\xEF\xBB\xBF"
                      "a;\xC3\xBC;\xE2\x82\xAC;\xF0\x9F\x98\x80x\n")
        << 65001 << true << ";" << false
        << QStringList{"0:0=a", "0:1=ü", "0:2=€",
                       QStringLiteral("0:3=") + QChar(0xD83D) + QChar(0xDE00) + "x"};
    QTest::newRow("utf-16 le byte order mark")
        << QByteArray("\xFF\xFE") + utf16("Name\tAnzahl\r\nJürgen\t2\r\n", false) << 1200 << true
        << "\t" << false << nameAnzahl;
    QTest::newRow("utf-16 be byte order mark")
        << QByteArray("\xFE\xFF") + utf16("Name,Anzahl\nJürgen,2", true) << 1201 << true << ","
        << false << nameAnzahl;
    QTest::newRow("valid utf-8 without mark") << QByteArray("Name|Anzahl\nJ\xC3\xBCrgen|2\n")
                                              << 65001 << false << "|" << false << nameAnzahl;
    QTest::newRow("invalid utf-8 is windows-1252")
        << QByteArray("Name;Anzahl\nJ\xFCrgen;2\n") << 1252 << false << ";" << false << nameAnzahl;
    QTest::newRow("windows-1252 euro and its undefined bytes")
        << QByteArray("a;b\n\x80;\x81\x9D\n") << 1252 << false << ";" << false
        << QStringList{"0:0=a", "0:1=b", "1:0=€", "1:1=\u0081\u009D"};
    QTest::newRow("overlong utf-8 is windows-1252")
        << QByteArray("a;\xC0\xAF\n") << 1252 << false << ";" << false
        << QStringList{"0:0=a", "0:1=À¯"};
    QTest::newRow("utf-8 surrogate is windows-1252")
        << QByteArray("a,\xED\xA0\x80\n") << 1252 << false << "," << false
        << QStringList{"0:0=a", "0:1=í\u00A0€"};
    QTest::newRow("sep line names the delimiter and is no row")
        << QByteArray("sep=,\r\nName;Ort,Anzahl\nA;B,1\n") << 65001 << false << "," << true
        << QStringList{"0:0=Name;Ort", "0:1=Anzahl", "1:0=A;B", "1:1=1"};
    QTest::newRow("sep line in capitals") << QByteArray("SEP=|\na|b\n") << 65001 << false << "|"
                                          << true << QStringList{"0:0=a", "0:1=b"};
    QTest::newRow("sep line with more after it is a record")
        << QByteArray("sep=;x\na;b\n") << 65001 << false << ";" << false
        << QStringList{"0:0=sep=", "0:1=x", "1:0=a", "1:1=b"};
    QTest::newRow("most consistent split wins over more fields")
        << QByteArray("a,b;c;d\ne,f\ng,h\n") << 65001 << false << "," << false
        << QStringList{"0:0=a", "0:1=b;c;d", "1:0=e", "1:1=f", "2:0=g", "2:1=h"};
    QTest::newRow("delimiter inside quotes does not count")
        << QByteArray("\"a,b\";c\n\"d,e\";f\n") << 65001 << false << ";" << false
        << QStringList{"0:0=a,b", "0:1=c", "1:0=d,e", "1:1=f"};
    QTest::newRow("blank lines do not weaken a split")
        << QByteArray("a\tb\n\n\nc\td\n\ne,f\n") << 65001 << false << "\t" << false
        << QStringList{"0:0=a", "0:1=b", "3:0=c", "3:1=d", "5:0=e,f"};
    QTest::newRow("tie broken by the caption words")
        << QByteArray("Vorname,Nachname;Anzahl\nA,B;1\n") << 65001 << false << ";" << false
        << QStringList{"0:0=Vorname,Nachname", "0:1=Anzahl", "1:0=A,B", "1:1=1"};
    QTest::newRow("tie without captions goes by the order")
        << QByteArray("a,b;c\nd,e;f\n") << 65001 << false << ";" << false
        << QStringList{"0:0=a,b", "0:1=c", "1:0=d,e", "1:1=f"};
    QTest::newRow("one column takes the first candidate")
        << QByteArray("Name\nAnna\n") << 65001 << false << ";" << false
        << QStringList{"0:0=Name", "1:0=Anna"};
    QTest::newRow("one column of \"Nachname, Vorname\" under its caption")
        << QByteArray("Name\nMeier, Anna\nSchulz, Bernd\n") << 65001 << false << ";" << false
        << QStringList{"0:0=Name", "1:0=Meier, Anna", "2:0=Schulz, Bernd"};
    QTest::newRow("a caption row split like the records below")
        << QByteArray("Name,Anzahl\nMeier,2\nSchulz,3\n") << 65001 << false << "," << false
        << QStringList{"0:0=Name", "0:1=Anzahl", "1:0=Meier", "1:1=2", "2:0=Schulz", "2:1=3"};
    QTest::newRow("a caption row with the delimiter above records without")
        << QByteArray("Name|Anzahl\nAnna\nBert\n") << 65001 << false << ";" << false
        << QStringList{"0:0=Name|Anzahl", "1:0=Anna", "2:0=Bert"};
    QTest::newRow("only the first 200 records decide")
        << QByteArray("a;b\n").repeated(200) + QByteArray("c,d,e\n").repeated(300) << 65001 << false
        << ";" << false << QStringList();
}

void TestDelimitedText::detection() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, codePage);
    QFETCH(bool, byteOrderMark);
    QFETCH(QString, delimiter);
    QFETCH(bool, fromSepLine);
    QFETCH(QStringList, fields);

    const Outcome outcome = read(bytes);
    QCOMPARE(outcome.error.code, ReadErrorCode::None);
    QCOMPARE(int(outcome.format.encoding.codePage), codePage);
    QCOMPARE(outcome.format.encoding.byteOrderMark, byteOrderMark);
    QCOMPARE(QString(QChar(outcome.format.delimiter)), delimiter);
    QCOMPARE(outcome.format.delimiterFromSepLine, fromSepLine);
    if (!fields.isEmpty())
        QCOMPARE(outcome.fields, fields);
}

// RFC 4180 quoting and record ends, read with a known delimiter.
void TestDelimitedText::quoting_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("doubled quotes are one quote")
        << QByteArray("\"Bad \"\"X\"\"\";\"\"\"\"\n") << QStringList{"0:0=Bad \"X\"", "0:1=\""};
    QTest::newRow("line breaks inside quotes are text")
        << QByteArray("\"a\r\nb\";\"c\nd\"\ne;f")
        << QStringList{"0:0=a\r\nb", "0:1=c\nd", "1:0=e", "1:1=f"};
    QTest::newRow("quote inside an unquoted field is text")
        << QByteArray("5\" Disk;O\"Neil\n") << QStringList{"0:0=5\" Disk", "0:1=O\"Neil"};
    QTest::newRow("text after the closing quote belongs to the field")
        << QByteArray("\"ab\"cd;e\n") << QStringList{"0:0=abcd", "0:1=e"};
    QTest::newRow("empty fields are no cells")
        << QByteArray(";a;;\"\";b;\n") << QStringList{"0:1=a", "0:4=b"};
    QTest::newRow("spaces are kept, a quote after them is text")
        << QByteArray(" a ; \"b\" \n") << QStringList{"0:0= a ", "0:1= \"b\" "};
    QTest::newRow("cr, lf and crlf end records")
        << QByteArray("a\rb\nc\r\nd") << QStringList{"0:0=a", "1:0=b", "2:0=c", "3:0=d"};
    QTest::newRow("last record without line break")
        << QByteArray("a;b\nc;d") << QStringList{"0:0=a", "0:1=b", "1:0=c", "1:1=d"};
    QTest::newRow("a quote alone in a field closes at the end")
        << QByteArray("\"\";x\n") << QStringList{"0:1=x"};
}

void TestDelimitedText::quoting() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    const Outcome outcome = read(bytes, {0, u';'});
    QCOMPARE(outcome.error.code, ReadErrorCode::None);
    QCOMPARE(outcome.fields, fields);
}

// Unreadable text and every cap: refused with the code and where.
void TestDelimitedText::refusals_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("codePage");
    QTest::addColumn<ReadErrorCode>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line"); // 0: no line to name

    const QByteArray widest = QByteArray("x;").repeated(16383) + "x\n";
    QTest::newRow("unclosed quote names its line")
        << QByteArray("a;b\nc;\"d\ne\nf\n") << 0 << ReadErrorCode::UnclosedQuote
        << "the quoted field that begins on line 2 has no closing quote" << 2;
    QTest::newRow("unclosed quote after a sep line counts that line")
        << QByteArray("sep=;\na\n\"b") << 0 << ReadErrorCode::UnclosedQuote << "begins on line 3"
        << 3;
    QTest::newRow("unclosed quote after quoted line breaks")
        << QByteArray("\"a\r\nb\";c\r\n\"d") << 0 << ReadErrorCode::UnclosedQuote
        << "begins on line 3" << 3;
    QTest::newRow("unclosed quote in the only record still tells the delimiter")
        << QByteArray("Name,\"Anzahl\n") << 0 << ReadErrorCode::UnclosedQuote << "begins on line 1"
        << 1;
    QTest::newRow("16,384 fields are read") << widest << 0 << ReadErrorCode::None << "" << 0;
    QTest::newRow("16,385 fields are refused")
        << QByteArray("a\n") + QByteArray("x;").repeated(16384) + "x\n"
        << 0 << ReadErrorCode::TextBeyondLimits << "the record on line 2 has more than 16384 fields"
        << 2;
    QTest::newRow("32,767 characters are read")
        << QByteArray("a;") + QByteArray(32767, 'x') << 0 << ReadErrorCode::None << "" << 0;
    QTest::newRow("32,768 characters are refused")
        << QByteArray("a;\"") + QByteArray(32768, 'x') + "\"" << 0
        << ReadErrorCode::TextBeyondLimits
        << "field 2 of the record on line 1 has 32768 characters, more than 32767" << 1;
    QTest::newRow("1,048,576 records are read")
        << QByteArray("a\n").repeated(1048576) << 0 << ReadErrorCode::None << "" << 0;
    QTest::newRow("1,048,577 records are refused")
        << QByteArray("a\n").repeated(1048577) << 0 << ReadErrorCode::TextBeyondLimits
        << "more than 1048576 records, the next one on line 1048577" << 1048577;
    QTest::newRow("odd utf-16") << QByteArray("\xFF\xFE"
                                              "a\0b",
                                              5)
                                << 0 << ReadErrorCode::TextNotDecodable << "an odd number" << 0;
    QTest::newRow("unpaired surrogate")
        << QByteArray("\xFF\xFE"
                      "a\0\x00\xD8",
                      6)
        << 0 << ReadErrorCode::TextNotDecodable << "not valid UTF-16" << 0;
    QTest::newRow("forced utf-8 on windows-1252")
        << QByteArray("ab\xFC") << 65001 << ReadErrorCode::TextNotDecodable << "not valid UTF-8"
        << 0;
    // After a short field, and after and inside runs of ASCII read eight bytes at a time.
    for (const char *before : {"a;", "Teilnehmerliste;", "Vorname;"})
        for (const char *bad : {"\xED\xA0\x80", "\xC0\xAF", "\xF4\x90\x80\x80", "\xE2\x82"})
            QTest::addRow("forced utf-8 on %s after %s", QByteArray(bad).toHex(' ').constData(),
                          before)
                << QByteArray(before) + bad + "abcdefgh" << 65001 << ReadErrorCode::TextNotDecodable
                << "not valid UTF-8" << 0;
    QTest::newRow("unknown code page")
        << QByteArray("ab") << 4242 << ReadErrorCode::TextNotDecodable << "code page 4242" << 0;
}

void TestDelimitedText::refusals() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, codePage);
    QFETCH(ReadErrorCode, code);
    QFETCH(QString, text);
    QFETCH(int, line);
    const Outcome outcome = read(bytes, {std::uint16_t(codePage), 0});
    QCOMPARE(outcome.error.code, code);
    QVERIFY2(QString::fromStdString(outcome.error.text).contains(text), outcome.error.text.c_str());
    QCOMPARE(outcome.error.line.value_or(0), std::uint64_t(line));
}

void TestDelimitedText::optionsOverrideDetection_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QString>("delimiter");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("delimiter over the detected one")
        << QByteArray("a;b,c\n") << 0 << "," << QStringList{"0:0=a;b", "0:1=c"};
    QTest::newRow("delimiter over a sep line, which stays no row")
        << QByteArray("sep=;\na;b,c\n") << 0 << "," << QStringList{"0:0=a;b", "0:1=c"};
    QTest::newRow("windows-1252 over valid utf-8")
        << QByteArray("J\xC3\xBCrgen") << 1252 << ";" << QStringList{"0:0=JÃ¼rgen"};
    QTest::newRow("utf-8 drops its byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                                   "a")
                                                     << 65001 << ";" << QStringList{"0:0=a"};
    QTest::newRow("another code page: 850")
        << QByteArray("J\x81rgen") << 850 << ";" << QStringList{"0:0=Jürgen"};
}

void TestDelimitedText::optionsOverrideDetection() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, codePage);
    QFETCH(QString, delimiter);
    QFETCH(QStringList, fields);
    const Outcome outcome = read(bytes, {std::uint16_t(codePage), delimiter.at(0).unicode()});
    QCOMPARE(outcome.error.code, ReadErrorCode::None);
    QCOMPARE(outcome.fields, fields);
    QCOMPARE(outcome.format.delimiter, delimiter.at(0).unicode());
}

// UTF-8 is read as bytes, UTF-16 as decoded units: the same text in either
// must give the same fields, each as single bytes or as UTF-16 alike, and the
// same refusal.
void TestDelimitedText::utf8ReadsAsItsUtf16_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("delimiter"); // 0: detected

    const QChar detect(0);
    QTest::newRow("doubled quotes and quoted cr, lf and crlf")
        << "\"a \"\"b\"\"\";\"c\r\nd\";\"e\rf\ng\"\r\nh;\"\"\"\"\n"
        << detect;
    QTest::newRow("text after the closing quote") << "\"ä\"b\"c;\"\"x;y\ne;f" << QChar(';');
    QTest::newRow("greek, an emoji, latin-1 and the euro")
        << QStringLiteral("Ελένη;😀 Zoë;Jürgen ÿ;€;Åse\r\n;a\r") << detect;
    QTest::newRow("a NUL ends the text, before or after a wide letter")
        << QStringLiteral("a\0b;\0c;ü\0Ω;Ω\0ü\n") << QChar(';');
    QTest::newRow("unclosed quote after quoted line breaks") << "ö;\"b\r\nc\";d\n\"ü\nx" << detect;
    QTest::newRow("sep line, then latin-1") << "sep=|\r\nName|Ort\nÖ|ä\n" << detect;
    QTest::newRow("caption words over latin-1 letters") << "Vorname,Nachname;Anzahl\nÄ,ß;1\n"
                                                        << detect;
    QTest::newRow("latin-1 longer than a short text") << QString(300, u'ä') + ";x" << detect;
    QTest::newRow("32,767 two-byte letters are read") << "a;" + QString(32767, u'é') << detect;
    QTest::newRow("32,768 two-byte letters are refused") << "a;" + QString(32768, u'é') << detect;
    QTest::newRow("16,384 emoji are 32,768 characters, refused")
        << "a;" + QStringLiteral("😀").repeated(16384) << detect;
}

void TestDelimitedText::utf8ReadsAsItsUtf16() {
    QFETCH(QString, text);
    QFETCH(QChar, delimiter);
    const Outcome decoded =
        read(QByteArray("\xFF\xFE") + utf16(text, false), {0, delimiter.unicode()});
    QVERIFY(!decoded.fields.isEmpty() || decoded.error);
    const QByteArray utf8 = text.toUtf8();
    for (const QByteArray &bytes : {utf8, QByteArray("\xEF\xBB\xBF") + utf8})
        for (std::uint16_t codePage : {0, 65001}) {
            const Outcome outcome = read(bytes, {codePage, delimiter.unicode()});
            QCOMPARE(outcome.format.encoding.codePage, std::uint16_t(65001));
            QCOMPARE(outcome.error.code, decoded.error.code);
            QCOMPARE(QString::fromStdString(outcome.error.text),
                     QString::fromStdString(decoded.error.text));
            QCOMPARE(outcome.error.line.value_or(0), decoded.error.line.value_or(0));
            QCOMPARE(outcome.format.delimiter, decoded.format.delimiter);
            QCOMPARE(outcome.format.delimiterFromSepLine, decoded.format.delimiterFromSepLine);
            QCOMPARE(outcome.fields, decoded.fields);
            QCOMPARE(outcome.widths, decoded.widths);
        }
}

// UTF-8 that is named or marked but invalid is refused before any field,
// at the offset of its first bad byte in the file.
void TestDelimitedText::invalidUtf8NamesItsOffset_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("codePage");
    QTest::addColumn<int>("offset");

    QTest::newRow("after the byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                             "ab;c\n\xC3(")
                                               << 0 << 8;
    QTest::newRow("named, in a long run of ASCII")
        << QByteArray("Teilnehmerliste;Vorname\nJ\xC3\xBCrgen;\xFFx\n") << 65001 << 32;
    QTest::newRow("marked and named, cut short at the end")
        << QByteArray("\xEF\xBB\xBF\xC3\xBC;\xF0\x9F\x98") << 65001 << 6;
    QTest::newRow("a surrogate in the middle")
        << QByteArray("\xEF\xBB\xBF\"a\";b\n\xED\xA0\x80;c\n") << 0 << 9;
}

void TestDelimitedText::invalidUtf8NamesItsOffset() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, codePage);
    QFETCH(int, offset);
    const Outcome outcome = read(bytes, {std::uint16_t(codePage), 0});
    QCOMPARE(outcome.error.code, ReadErrorCode::TextNotDecodable);
    QCOMPARE(outcome.error.offset.value_or(0), std::uint64_t(offset));
    QCOMPARE(outcome.format.delimiter, u'\0');
    QVERIFY(outcome.fields.isEmpty());
}

// Python's csv module as an independent reader of the same quoting rules:
// fixed awkward texts and seeded random ones over an alphabet of delimiters,
// quotes and line breaks must split into the same fields. Texts with an
// unclosed quote are left out: Python reads them leniently, this reader
// refuses them (tested above).
void TestDelimitedText::agreesWithPythonsCsvModule() {
    QStringList texts{"a;b\r\nc;d", "\"a;\"\"b\"\"\";c\n", "a\rb\r\n\r\nc", "\"x\ny\";z",
                      "\"ab\"cd;e", " \"a\" ;b",           ";;\n;",         "a;\"\"\n"};
    QRandomGenerator random(20261209);
    const QString alphabet = QStringLiteral("ab ;,\"\"\n\r");
    for (int i = 0; i < 400; ++i) {
        QString text;
        for (int n = int(random.bounded(1, 24)); n > 0; --n)
            text += alphabet.at(int(random.bounded(alphabet.size())));
        texts << text;
    }
    QStringList compared;
    QJsonArray expected;
    for (const QString &text : texts) {
        const Outcome outcome = read(text.toUtf8(), {65001, u';'});
        if (outcome.error.code == ReadErrorCode::UnclosedQuote)
            continue;
        QCOMPARE(outcome.error.code, ReadErrorCode::None);
        compared << text;
        expected.append(QJsonArray::fromStringList(outcome.fields));
    }
    QVERIFY(compared.size() > 100);

    const char *script = R"(
import csv, io, json, sys
out = []
for text in json.load(sys.stdin):
    fields = []
    for r, row in enumerate(csv.reader(io.StringIO(text, newline=""), delimiter=";")):
        fields += ["%d:%d=%s" % (r, c, f) for c, f in enumerate(row) if f]
    out.append(fields)
json.dump(out, sys.stdout)
)";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QLatin1String(script)});
    if (!python.waitForStarted())
        QSKIP("no /usr/bin/python3");
    python.write(QJsonDocument(QJsonArray::fromStringList(compared)).toJson());
    python.closeWriteChannel();
    QVERIFY(python.waitForFinished(60000));
    const QJsonArray actual = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i)
        QVERIFY2(actual.at(i) == expected.at(i),
                 qPrintable("the text " + compared.at(i).toUtf8().toPercentEncoding() +
                            " reads differently"));
}

void TestDelimitedText::workbookLoadsTextAsTextCells() {
    ExcelWorkbook workbook;
    const QByteArray bytes("Name;Anzahl\nJ\xFCrgen;2\n\x80uro;\n");
    QVERIFY(workbook.loadMemory({bytes.begin(), bytes.end()}));
    QVERIFY(workbook.textFormat);
    QCOMPARE(workbook.textFormat->delimiter, u';');
    const ExcelWorksheet *sheet = workbook.sheet(0);
    QVERIFY(sheet);
    QCOMPARE(workbook.sheetCount(), 1);
    QCOMPARE(sheet->rowCount(), 3u);
    QCOMPARE(sheet->columnCount(), 2u);
    // Latin-1 text is 8-bit, the euro sign needs 16 bits; "2" stays a text.
    QCOMPARE(sheet->findCell(1, 0)->type(), String);
    QCOMPARE(QString::fromLatin1(sheet->findCell(1, 0)->string()), QStringLiteral("Jürgen"));
    QCOMPARE(sheet->findCell(1, 1)->type(), String);
    QCOMPARE(sheet->findCell(2, 0)->type(), WString);
    QCOMPARE(
        QString::fromUtf16(reinterpret_cast<const char16_t *>(sheet->findCell(2, 0)->wstring())),
        QStringLiteral("€uro"));
    QVERIFY(!sheet->findCell(2, 1) || sheet->findCell(2, 1)->type() == Undefined);
}

void TestDelimitedText::refusedTextKeepsThePreviousSheet() {
    ExcelWorkbook workbook;
    const QByteArray good("a;b\n"), bad("c;\"d\n");
    QVERIFY(workbook.loadMemory({good.begin(), good.end()}));
    QVERIFY(!workbook.loadMemory({bad.begin(), bad.end()}));
    QCOMPARE(workbook.lastError().code, ReadErrorCode::UnclosedQuote);
    QVERIFY(workbook.textFormat); // the dialog still shows how it was read
    QCOMPARE(workbook.sheetCount(), 1);
    QCOMPARE(QString::fromLatin1(workbook.sheet(0)->findCell(0, 1)->string()), QStringLiteral("b"));
}

QTEST_GUILESS_MAIN(TestDelimitedText)
#include "test_delimitedtext.moc"
