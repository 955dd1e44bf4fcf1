#include "pages/DesignFile.h"
#include "pages/LabelSheetCatalogue.h"

#include "PdfLabels.h"
#include "ProgramRun.h"
#include "support/FileContent.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Badges printed by the tagomat program itself, as a user runs it: a list of
// people with --logo and --qr, read back from the rasterised PDF (poppler's
// pdftoppm) with zbarimg (Debian's zbar-tools) decoding each badge's code.
namespace {
constexpr int dotsPerInch = 300;

struct Person {
    QString firstName;
    QString lastName;
    QString company;
    QString email;
};

// Twenty-four people of made-up names, umlauts among them; each e-mail is
// the person's own.
QList<Person> people() {
    const QStringList first{"Anna", "Jörg", "Fatma", "Lukas", "Zoë", "Henrik"};
    const QStringList last{"Schmidt", "Müller", "Yılmaz", "Weiß"};
    const QStringList companies{"Stadtwerke Ulm", "Bäckerei Groß",
                                "Verband der Elektrotechnik Elektronik Informationstechnik e.V."};
    QList<Person> list;
    for (int index = 0; index < 24; ++index) {
        const QString firstName = first[index % first.size()];
        const QString lastName = last[index / first.size()];
        list.append({firstName, lastName, companies[index % companies.size()],
                     QStringLiteral("person%1.%2@example.org")
                         .arg(index + 1)
                         .arg(index % 2 ? "team" : "gast")});
    }
    return list;
}

// The list of three people whose second has an address of this length.
QList<Person> longAddress(qsizetype letters) {
    QList<Person> list = people().first(3);
    list[1].email = QString(letters, u'x') + QStringLiteral("@example.org");
    return list;
}

// The list as CSV with a caption row, each person once.
bool writeList(const QString &path, const QList<Person> &list) {
    QByteArray csv = "Vorname,Nachname,Firma,E-Mail,Anzahl\n";
    for (const Person &person : list)
        csv += QStringLiteral("%1,%2,%3,%4,1\n")
                   .arg(person.firstName, person.lastName, person.company, person.email)
                   .toUtf8();
    return writeFile(path, csv);
}

// A logo of pure red, twice as wide as high, in the format named.
bool writeLogo(const QString &path, const QString &format) {
    if (format == QLatin1String("svg"))
        return writeFile(path, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" "
                               "height=\"100\"><rect width=\"200\" height=\"100\" "
                               "fill=\"#ff0000\"/></svg>");
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image.save(path, format.toLatin1().constData());
}

// What zbarimg reads in a picture, one symbol a line.
QStringList decodedCodes(const QImage &image, const QString &folder) {
    const QString path = folder + QStringLiteral("/badge.png");
    if (!image.save(path))
        return {QStringLiteral("(not saved)")};
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {"--raw", "-q", path});
    zbar.waitForFinished(60000);
    return QString::fromUtf8(zbar.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

bool isRed(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

// The box around the red pixels of an image; empty without any.
QRect redBox(const QImage &image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (isRed(line[x]))
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

QRect pixelsOf(const QRectF &mm) {
    const qreal scale = dotsPerInch / 25.4;
    return QRectF(mm.topLeft() * scale, mm.size() * scale).toAlignedRect();
}

QString describe(const QRect &box) {
    return QStringLiteral("%1x%2 at (%3, %4)")
        .arg(box.width())
        .arg(box.height())
        .arg(box.x())
        .arg(box.y());
}

// A badge's code, in the bottom-right quarter, says the person's address;
// the logo lies in the top-left quarter, all of it, twice as wide as high.
void checkBadge(const QImage &badge, const Person &person, const QString &folder) {
    const QString where = person.firstName + ' ' + person.lastName;
    const QRect bottomRight(badge.width() / 2, badge.height() / 2, badge.width() / 2,
                            badge.height() / 2);
    const QStringList codes = decodedCodes(badge.copy(bottomRight), folder);
    QVERIFY2(codes == QStringList{person.email}, qPrintable(where + ": " + codes.join('|')));
    const QRect red = redBox(badge);
    const QRect topLeft(0, 0, badge.width() / 2, badge.height() / 2);
    QVERIFY2(!red.isEmpty() && topLeft.contains(red), qPrintable(where + ": red " + describe(red)));
    QVERIFY2(red.width() > badge.width() / 8 && std::abs(red.width() - 2 * red.height()) <= 4,
             qPrintable(where + ": red " + describe(red)));
}
} // namespace

class TestBadgePrint : public QObject {
    Q_OBJECT

private slots:
    void eachBadgeCarriesItsRowsCodeAndTheLogo_data();
    void eachBadgeCarriesItsRowsCodeAndTheLogo();
    void refusesWhatCannotBePrinted_data();
    void refusesWhatCannotBePrinted();
    void optionsOverrideTheDesign_data();
    void optionsOverrideTheDesign();
};

void TestBadgePrint::eachBadgeCarriesItsRowsCodeAndTheLogo_data() {
    QTest::addColumn<QString>("stock");
    QTest::addColumn<QString>("logoFormat");
    QTest::newRow("L4785 name badges, PNG logo") << "L4785"
                                                 << "png";
    QTest::newRow("L4785 name badges, JPEG logo") << "L4785"
                                                  << "jpg";
    QTest::newRow("L7160 address labels, SVG logo") << "L7160"
                                                    << "svg";
}

void TestBadgePrint::eachBadgeCarriesItsRowsCodeAndTheLogo() {
    QFETCH(QString, stock);
    QFETCH(QString, logoFormat);
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
        QSKIP("zbarimg (Debian zbar-tools) is not installed: the codes cannot be read back");
    const QTemporaryDir folder;
    const QList<Person> list = people();
    const QString input = folder.filePath(QStringLiteral("teilnehmer.csv"));
    const QString logo = folder.filePath(QStringLiteral("logo.") + logoFormat);
    const QString pdf = folder.filePath(QStringLiteral("badges.pdf"));
    QVERIFY(writeList(input, list) && writeLogo(logo, logoFormat));
    const ProgramRun run =
        runProgram({"--print-pdf", pdf, "--stock", stock, "--text", "«Vorname» «Nachname»|«Firma»",
                    "--logo", logo, "--qr", "«E-Mail»", input});
    QVERIFY2(run.status == 0, qPrintable(run.err));

    const LabelSheet sheet = *LabelSheetCatalogue::builtIn().findCode(stock);
    const qsizetype perPage = qsizetype(sheet.labelsPerPage());
    for (qsizetype first = 0; first < list.size(); first += perPage) {
        QString error;
        const QImage page =
            pdflabels::rasterPage(pdf, int(first / perPage + 1), dotsPerInch, &error);
        QVERIFY2(!page.isNull(), qPrintable(error));
        for (qsizetype index = first; index < std::min(list.size(), first + perPage); ++index) {
            checkBadge(page.copy(pixelsOf(sheet.labelRect(index - first))), list[index],
                       folder.path());
            if (QTest::currentTestFailed())
                return;
        }
    }
}

void TestBadgePrint::refusesWhatCannotBePrinted_data() {
    // LIST is the list of people; LONG and LONGER lists whose second person
    // has an address of 1000 and 5000 letters; DAMAGED a design file cut
    // short, NEWER one of a later version, FOREIGN one naming a column
    // "Titel"; TEXT a text file, MISSING a file that does not exist.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("reasonParts");
    QTest::newRow("damaged design file")
        << QStringList{"--design", "DAMAGED", "LIST"} << 1 << QStringList{"--design", "beschädigt"};
    QTest::newRow("design file of a newer version") << QStringList{"--design", "NEWER", "LIST"} << 1
                                                    << QStringList{"--design", "neueren Version"};
    QTest::newRow("design naming a column the list lacks")
        << QStringList{"--design", "FOREIGN", "LIST"} << 1
        << QStringList{"--design", "keine Spalte «Titel»"};
    QTest::newRow("design that is no file") << QStringList{"--design", "MISSING", "LIST"} << 1
                                            << QStringList{"--design", "nicht lesbar"};
    QTest::newRow("logo that is no picture") << QStringList{"--logo", "TEXT", "LIST"} << 1
                                             << QStringList{"--logo", "notiz.txt", "nicht lesen"};
    QTest::newRow("logo that is no file")
        << QStringList{"--logo", "MISSING", "LIST"} << 1 << QStringList{"--logo", "nicht lesbar"};
    QTest::newRow("address too long for a code of the badge's size")
        << QStringList{"--stock", "L4785", "--qr", "«E-Mail»", "LONG"} << 1
        << QStringList{"Zeile 3", "zu lang für die gewählte Größe"};
    QTest::newRow("address too long for any QR code")
        << QStringList{"--stock", "L4785", "--qr", "«E-Mail»", "LONGER"} << 1
        << QStringList{"Zeile 3", "zu lang für einen QR-Code"};
    QTest::newRow("code of a caption the list lacks")
        << QStringList{"--qr", "«Telefon»", "LIST"} << 1 << QStringList{"--qr", "Telefon"};
    QTest::newRow("code of nothing")
        << QStringList{"--qr", " ", "LIST"} << 2 << QStringList{"--qr"};
}

void TestBadgePrint::refusesWhatCannotBePrinted() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, reasonParts);
    const QTemporaryDir folder;
    const QHash<QString, QString> files{{"LIST", folder.filePath("liste.csv")},
                                        {"LONG", folder.filePath("lang.csv")},
                                        {"LONGER", folder.filePath("laenger.csv")},
                                        {"DAMAGED", folder.filePath("entwurf1.tagomat")},
                                        {"NEWER", folder.filePath("entwurf2.tagomat")},
                                        {"FOREIGN", folder.filePath("entwurf3.tagomat")},
                                        {"TEXT", folder.filePath("notiz.txt")}};
    QVERIFY(writeList(files["LIST"], people()) && writeList(files["LONG"], longAddress(1000)) &&
            writeList(files["LONGER"], longAddress(5000)));
    const QByteArray saved = writeDesign(SavedDesign());
    QJsonObject newer = QJsonDocument::fromJson(saved).object();
    newer.insert(QStringLiteral("version"), SavedDesign::currentVersion + 1);
    QVERIFY(writeFile(files["DAMAGED"], saved.first(saved.size() / 2)));
    QVERIFY(writeFile(files["NEWER"], QJsonDocument(newer).toJson()));
    SavedDesign foreign;
    foreign.labelText = QStringLiteral("«Titel» «Nachname»");
    QVERIFY(writeFile(files["FOREIGN"], writeDesign(foreign)));
    QVERIFY(writeFile(files["TEXT"], "kein Bild\n"));
    QHash<QString, QByteArray> before;
    for (auto file = files.begin(); file != files.end(); ++file)
        before.insert(file.value(), contentOf(file.value()));
    const QString pdf = folder.filePath(QStringLiteral("out.pdf"));
    QStringList command{"--print-pdf", pdf};
    for (const QString &argument : arguments)
        command << (argument == QLatin1String("MISSING") ? folder.filePath("fehlt")
                                                         : files.value(argument, argument));

    const ProgramRun run = runProgram(command);
    QVERIFY2(run.status == status, qPrintable(run.err));
    // The reasons, among what Qt may say on standard error.
    const QStringList reasons =
        run.err.split(u'\n').filter(QRegularExpression(QStringLiteral("^tagomat: ")));
    for (const QString &part : reasonParts)
        QVERIFY2(reasons.join(u'\n').contains(part), qPrintable(run.err));
    // Nothing written, every input as it was.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), files.size());
    for (auto file = before.begin(); file != before.end(); ++file)
        QCOMPARE(contentOf(file.key()), file.value());
}

void TestBadgePrint::optionsOverrideTheDesign_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("stock");
    QTest::addColumn<QString>("firstLabel");
    QTest::newRow("the design alone") << QStringList() << "L7160"
                                      << "Anna Schmidt";
    QTest::newRow("--stock over the design's sheet") << QStringList{"--stock", "L4785"} << "L4785"
                                                     << "Anna Schmidt";
    QTest::newRow("--text over the design's label text")
        << QStringList{"--text", "«Nachname», «Vorname»"} << "L7160"
        << "Schmidt, Anna";
    QTest::newRow("--name-column over the design's label text")
        << QStringList{"--name-column", "E-Mail"} << "L7160"
        << "person1.gast@example.org";
}

void TestBadgePrint::optionsOverrideTheDesign() {
    QFETCH(QStringList, options);
    QFETCH(QString, stock);
    QFETCH(QString, firstLabel);
    const QTemporaryDir folder;
    const QString input = folder.filePath(QStringLiteral("liste.csv"));
    const QString designFile = folder.filePath(QStringLiteral("adressen.tagomat"));
    const QString pdf = folder.filePath(QStringLiteral("out.pdf"));
    SavedDesign design;
    design.sheet = *LabelSheetCatalogue::builtIn().findCode(QStringLiteral("L7160"));
    design.font = QFont(QStringLiteral("DejaVu Sans"), 12);
    design.labelText = QStringLiteral("«Vorname» «Nachname»");
    design.quantityCaption = QStringLiteral("Anzahl");
    design.skipCaptions = true;
    QVERIFY(writeList(input, people()) && writeFile(designFile, writeDesign(design)));

    const ProgramRun run =
        runProgram(QStringList{"--print-pdf", pdf, "--design", designFile} + options << input);
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QString error;
    const QList<pdflabels::Page> pages = pdflabels::readPages(pdf, &error);
    QVERIFY2(!pages.isEmpty(), qPrintable(error));
    const LabelSheet sheet = *LabelSheetCatalogue::builtIn().findCode(stock);
    const auto labels = pdflabels::labelWords(pages.first(), sheet);
    QVERIFY2(!labels.contains(-1), qPrintable("outside every label: " + labels.value(-1).text));
    QCOMPARE(labels.size(), std::min<qsizetype>(sheet.labelsPerPage(), people().size()));
    QCOMPARE(labels.value(0).text, firstLabel);
}

QTEST_MAIN(TestBadgePrint)
#include "test_badgeprint.moc"
