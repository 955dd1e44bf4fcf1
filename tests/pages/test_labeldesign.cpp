#include "pages/CodeText.h"
#include "pages/DesignFile.h"
#include "pages/LabelSheetCatalogue.h"
#include "pages/LabelSource.h"
#include "tests/support/TableOf.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

LabelChoice choiceOf(const QString &text, const QStringList &captions) {
    LabelChoice choice;
    choice.text = LabelTemplate::parse(text, captions);
    return choice;
}

QStringList names(const LabelMap &labels) {
    QStringList shown;
    for (const LabelEntry &label : labels)
        shown << label.name;
    return shown;
}

const QStringList people{"Nachname", "Vorname", "Raum"};

QFont fontOf(const QString &family, qreal points, bool bold = false, bool italic = false) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QByteArray pngBytes() {
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A design that uses every field: own sheet, styles, a background picture,
// a Data Matrix code, colours by category, vCard and sort captions.
SavedDesign everyField() {
    SavedDesign design;
    LabelSheet sheet;
    sheet.maker = "Eigener";
    sheet.codes = {"Tisch-1"};
    sheet.description = "Tischkarten";
    sheet.labelWidth = 100;
    sheet.labelHeight = 60.5;
    sheet.cornerRadius = 2;
    sheet.columns = 2;
    sheet.rows = 4;
    sheet.leftMargin = 4.5;
    sheet.topMargin = 10;
    sheet.horizontalPitch = 101;
    sheet.verticalPitch = 65;
    design.sheet = sheet;
    design.font = fontOf("DejaVu Serif", 13.5, false, true);
    LineStyle name;
    name.font = fontOf("DejaVu Sans", 24, true);
    name.colour = QColor("#1a2b3c");
    name.alignment = Qt::AlignRight;
    name.autoSize = true;
    LineStyle company;
    company.alignment = Qt::AlignLeft;
    design.look.lines = {name, company};
    design.look.pictures = {
        LabelPicture{pngBytes(), "hinten.png", LabelPicture::Placement::Background, {}, 100},
        LabelPicture{"<svg/>", "logo.svg", LabelPicture::Placement::Logo, {-1.5, 3}, 12.5}};
    design.look.code = LabelCode{CodeSymbology::DataMatrix, QRectF(70, 30, 20, 20)};
    design.look.category.style = CategoryColours::Style::Background;
    design.look.category.bandHeightMm = 0;
    design.look.category.colours = {{"Presse", QColor("#ff8800")}, {"Team", QColor("#00aa00")}};
    design.look.category.otherValues = QColor("#eeeeee");
    design.categoryCaption = "Rolle";
    design.labelText = "«Vorname» «Nachname»|«Firma» \\| Gast";
    design.codeKind = CodeContent::Kind::VCard;
    design.vCardCaptions = {"Vorname", "Nachname", "", "E-Mail"};
    design.sortCaptions = {{"Nachname", true}, {"Vorname", false}};
    design.skipCaptions = true;
    design.mergeEqual = false;
    return design;
}

} // namespace

Q_DECLARE_METATYPE(SavedDesign)

class TestLabelDesign : public QObject {
    Q_OBJECT

private slots:
    void sortsInGermanOrder_data();
    void sortsInGermanOrder();
    void codeTextsAndCategories_data();
    void codeTextsAndCategories();
    void designSurvivesItsFile_data();
    void designSurvivesItsFile();
    void designRefused_data();
    void designRefused();
};

void TestLabelDesign::sortsInGermanOrder_data() {
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<SortKey>>("keys");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");

    const QString lastName = "«Nachname»";
    const QString full = "«Vorname» «Nachname»";
    QTest::newRow("umlaut with its base letter, not after z")
        << QList<QStringList>{people,    {"Zander"}, {"Müller"}, {"Abel"},
                              {"Ärger"}, {"Muster"}, {"Mueller"}}
        << lastName << QList<SortKey>{{0, false}} << QString()
        << QStringList{"Abel", "Ärger", "Mueller", "Müller", "Muster", "Zander"};
    QTest::newRow("ß as ss") << QList<QStringList>{people, {"Weisz"}, {"Weiß"}, {"Weiss"}, {"Weis"}}
                             << lastName << QList<SortKey>{{0, false}} << QString()
                             << QStringList{"Weis", "Weiss", "Weiß", "Weisz"};
    QTest::newRow("descending, empty values still last")
        << QList<QStringList>{people, {"", "Ohne"}, {"Ärger", "A"}, {"Zander", "Z"}, {"Berg", "B"}}
        << full << QList<SortKey>{{0, true}} << QString()
        << QStringList{"Z Zander", "B Berg", "A Ärger", "Ohne"};
    QTest::newRow("empty values last ascending")
        << QList<QStringList>{people, {"", "Ohne"}, {"Zander", "Z"}, {" ", "Leer"}, {"Berg", "B"}}
        << full << QList<SortKey>{{0, false}} << QString()
        << QStringList{"B Berg", "Z Zander", "Ohne", "Leer  "};
    QTest::newRow("two keys: last name, then first name")
        << QList<QStringList>{people,
                              {"Schmidt", "Zoe"},
                              {"Meier", "Bert"},
                              {"Schmidt", "Anna"},
                              {"Meier", "Ännchen"}}
        << full << QList<SortKey>{{0, false}, {1, false}} << QString()
        << QStringList{"Ännchen Meier", "Bert Meier", "Anna Schmidt", "Zoe Schmidt"};
    QTest::newRow("second key descending")
        << QList<QStringList>{people, {"Meier", "Anna"}, {"Abel", "Udo"}, {"Meier", "Zoe"}} << full
        << QList<SortKey>{{0, false}, {1, true}} << QString()
        << QStringList{"Udo Abel", "Zoe Meier", "Anna Meier"};
    QTest::newRow("ties keep the list's order")
        << QList<QStringList>{people,
                              {"Meier", "Zoe"},
                              {"Abel", "Udo"},
                              {"Meier", "Anna"},
                              {"Meier", "Bert"}}
        << full << QList<SortKey>{{0, false}} << QString()
        << QStringList{"Udo Abel", "Zoe Meier", "Anna Meier", "Bert Meier"};
    QTest::newRow("numbers in a text by value")
        << QList<QStringList>{people,
                              {"A", "", "Raum 10"},
                              {"B", "", "Raum 9"},
                              {"C", "", "Raum 2"}}
        << lastName << QList<SortKey>{{2, false}} << QString() << QStringList{"C", "B", "A"};
    QTest::newRow("no keys: the list's order")
        << QList<QStringList>{people, {"Zander"}, {"Abel"}} << lastName << QList<SortKey>{}
        << QString() << QStringList{"Zander", "Abel"};
    QTest::newRow("a printed caption row stays in front")
        << QList<QStringList>{{"Name"}, {"Zoe"}, {"Anna"}, {"Olaf"}} << "«Name»"
        << QList<SortKey>{{0, false}} << QString() << QStringList{"Name", "Anna", "Olaf", "Zoe"};
    QTest::newRow("filter on a sorted list")
        << QList<QStringList>{people, {"Zander", "Marta"}, {"Abel", "Max"}, {"Berg", "Ina"}} << full
        << QList<SortKey>{{0, false}} << "ma" << QStringList{"Max Abel", "Marta Zander"};
}

void TestLabelDesign::sortsInGermanOrder() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, text);
    QFETCH(QList<SortKey>, keys);
    QFETCH(QString, filter);
    LabelChoice choice = choiceOf(text, rows.first());
    choice.sortKeys = keys;
    // A label text of one field reads row 0 too unless told to skip it.
    choice.skipCaptions = rows.first() == people;
    QTEST(names(LabelSource(tableOf(rows), choice).filtered(filter)), "expected");
}

void TestLabelDesign::codeTextsAndCategories_data() {
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("text");
    QTest::addColumn<CodeContent>("code");
    QTest::addColumn<bool>("mergeEqual");
    // Each label: "name | code text | category | row".
    QTest::addColumn<QStringList>("expected");

    const QStringList captions{"Vorname", "Nachname", "Firma", "E-Mail", "Rolle"};
    const CodeContent email{CodeContent::Kind::Template, "«E-Mail»"};
    const CodeContent vCard{CodeContent::Kind::VCard, {}, 0, 1, 2, 3};
    const QString full = "«Vorname» «Nachname»";
    QTest::newRow("template per row")
        << QList<QStringList>{captions, {"Anna", "Berg", "", "anna@berg.de"}, {"Udo", "Abel"}}
        << full << email << true
        << QStringList{"Anna Berg | anna@berg.de |  | 1", "Udo Abel |  |  | 2"};
    QTest::newRow("vCard escapes comma, semicolon, backslash and line breaks")
        << QList<QStringList>{captions,
                              {"Jo", "Lang", "Müller, Schmidt; Partner\\Co\nBerlin", "jo@x.de"}}
        << full << vCard << true
        << QStringList{"Jo Lang | BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lang;Jo;;;\r\nFN:Jo Lang\r\n"
                       "ORG:Müller\\, Schmidt\\; Partner\\\\Co\\nBerlin\r\n"
                       "EMAIL;TYPE=INTERNET:jo@x.de\r\nEND:VCARD\r\n |  | 1"};
    QTest::newRow("vCard leaves out empty company and e-mail, keeps N and FN")
        << QList<QStringList>{captions, {"", " Berg "}} << "«Nachname»" << vCard << true
        << QStringList{" Berg  | BEGIN:VCARD\r\nVERSION:3.0\r\nN:Berg;;;;\r\nFN:Berg\r\n"
                       "END:VCARD\r\n |  | 1"};
    QTest::newRow("same name, other code: two labels")
        << QList<QStringList>{captions,
                              {"Anna", "Berg", "", "a@one.de"},
                              {"Anna", "Berg", "", "a@two.de"},
                              {"Anna", "Berg", "", "a@one.de"}}
        << full << email << true
        << QStringList{"Anna Berg | a@one.de |  | 1", "Anna Berg | a@two.de |  | 2"};
    QTest::newRow("same name, other category: two labels, category trimmed")
        << QList<QStringList>{captions,
                              {"Anna", "Berg", "", "", " Presse "},
                              {"Anna", "Berg", "", "", "Team"},
                              {"Anna", "Berg", "", "", "Presse"}}
        << full << CodeContent{} << true
        << QStringList{"Anna Berg |  | Presse | 1", "Anna Berg |  | Team | 2"};
    QTest::newRow("rows kept apart keep their own rows")
        << QList<QStringList>{captions, {"Anna", "", "", "a@one.de"}, {"Anna", "", "", "a@one.de"}}
        << "«Vorname»" << email << false
        << QStringList{"Anna | a@one.de |  | 1", "Anna | a@one.de |  | 2"};
}

void TestLabelDesign::codeTextsAndCategories() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, text);
    QFETCH(CodeContent, code);
    QFETCH(bool, mergeEqual);
    LabelChoice choice = choiceOf(text, rows.first());
    choice.code = code;
    choice.categoryColumn = 4;
    choice.mergeEqual = mergeEqual;
    choice.skipCaptions = true;
    QStringList shown;
    for (const LabelEntry &label : LabelSource(tableOf(rows), choice).filtered(QString()))
        shown << QStringList{label.name, label.codeText, label.category, QString::number(label.row)}
                     .join(" | ");
    QTEST(shown, "expected");
}

void TestLabelDesign::designSurvivesItsFile_data() {
    QTest::addColumn<SavedDesign>("design");
    QTest::addColumn<bool>("sheetByCode");
    QTest::addColumn<int>("pictures");

    const QList<DesignPreset> presets = designPresets();
    QCOMPARE(presets.size(), 3);
    // The logo is compiled in; the badges have a sheet of the catalogue.
    const QList<int> presetPictures{1, 0, 0};
    for (int index = 0; index < presets.size(); ++index)
        QTest::newRow(qPrintable("preset " + presets.at(index).name))
            << presets.at(index).design << true << presetPictures.at(index);
    QTest::newRow("every field, own sheet, pictures") << everyField() << false << 2;
    SavedDesign changedCatalogueSheet = everyField();
    changedCatalogueSheet.sheet = *LabelSheetCatalogue::builtIn().findCode("L4785");
    changedCatalogueSheet.sheet->topMargin = 13;
    QTest::newRow("catalogue sheet changed: kept in full") << changedCatalogueSheet << false << 2;

    // As many and as large pictures as a design may take: the file they make
    // is one a design is read from, and not a byte more fits.
    constexpr qsizetype kibibyte = 1024;
    const qsizetype rest = designLimits::allPictureBytes - designLimits::pictureBytes -
                           (designLimits::pictures - 2) * kibibyte - 1;
    QList<qsizetype> sizes{designLimits::pictureBytes, rest};
    sizes.insert(1, designLimits::pictures - 2, kibibyte);
    SavedDesign fullest = everyField();
    fullest.look.pictures.clear();
    for (const qsizetype bytes : sizes) {
        QVERIFY(pictureRoomProblem(fullest.look, bytes).isEmpty());
        LabelPicture picture;
        picture.bytes = QByteArray(bytes, 'p');
        fullest.look.pictures << picture;
    }
    QCOMPARE(pictureRoomProblem(fullest.look, 1),
             QString::fromUtf8("Eine Gestaltung hat höchstens 8 Bilder."));
    SavedDesign oneLess = fullest;
    oneLess.look.pictures.removeLast();
    QCOMPARE(pictureRoomProblem(oneLess.look, rest + 2),
             QString::fromUtf8("Die Bilder sind zusammen zu groß: 20,0 MiB, höchstens 20,0 MiB."));
    QCOMPARE(pictureRoomProblem(oneLess.look, designLimits::pictureBytes + 1),
             QString::fromUtf8("Das Bild ist zu groß: 16,0 MiB, höchstens 16,0 MiB."));
    QTest::newRow("pictures at every limit") << fullest << false << int(designLimits::pictures);
    SavedDesign onRoll = everyField();
    onRoll.sheet = *LabelSheetCatalogue::builtIn().findCode("DK-11201");
    QTest::newRow("catalogue roll by its code") << onRoll << true << 2;
    onRoll.sheet = LabelSheetCatalogue::builtIn().findCode("DK-22205")->withTapeLength(150);
    onRoll.sheet->turned = true;
    QTest::newRow("tape cut to 150 mm and turned: kept in full") << onRoll << false << 2;
}

void TestLabelDesign::designSurvivesItsFile() {
    QFETCH(SavedDesign, design);
    QFETCH(bool, sheetByCode);
    QVERIFY(design.sheet);
    QTEST(int(design.look.pictures.size()), "pictures");
    QVERIFY(std::all_of(design.look.pictures.cbegin(), design.look.pictures.cend(),
                        [](const LabelPicture &picture) { return !picture.bytes.isEmpty(); }));
    QJsonObject root = QJsonDocument::fromJson(writeDesign(design)).object();
    QCOMPARE(root.value("sheet").toObject().contains("labelWidth"), !sheetByCode);
    // Fields a later release may add within the version are passed over.
    root.insert("laterField", QJsonObject{{"x", 1}});
    QJsonArray lines = root.value("lines").toArray();
    if (!lines.isEmpty()) {
        QJsonObject line = lines.at(0).toObject();
        line.insert("shadow", true);
        lines.replace(0, line);
    }
    root.insert("lines", lines);
    QString reason;
    const std::optional<SavedDesign> read =
        readDesign(QJsonDocument(root).toJson(QJsonDocument::Compact), &reason);
    QVERIFY2(read, qPrintable(reason));
    QCOMPARE(read->look, design.look);
    QVERIFY(*read == design);
    // Column choices by caption: a list with other columns in another order
    // gets the same fields.
    const QStringList saved{"Vorname", "Nachname", "Firma", "E-Mail", "Anzahl", "Rolle"};
    const QStringList other{"Rolle", "E-Mail", "Anzahl", "Firma", "Nachname", "Ort", "Vorname"};
    const LabelChoice choice = read->choiceFor(saved);
    SavedDesign again = *read;
    again.setChoice(choice, saved);
    QCOMPARE(again.choiceFor(other), read->choiceFor(other));
    QCOMPARE(read->choiceFor(other).text.text(other), read->choiceFor(saved).text.text(saved));
}

void TestLabelDesign::designRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("field"); // replaced in a valid design; empty: bytes as they are
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("reason");

    const QJsonValue none;
    const QString damaged = "Die Gestaltung ist beschädigt: ";
    const auto picture = [](const QJsonObject &change) {
        QJsonObject one{{"fileName", "a.png"},
                        {"widthMm", 10},
                        {"data", QString::fromLatin1(pngBytes().toBase64())}};
        for (auto field = change.begin(); field != change.end(); ++field)
            one.insert(field.key(), field.value());
        return QJsonArray{one};
    };
    QTest::newRow("not JSON") << QByteArray("{\"format\": \"tagomat-design\", ") << QString()
                              << none << damaged + "kein lesbares JSON";
    QTest::newRow("a list, no object")
        << QByteArray("[1, 2]") << QString() << none << damaged + "sie ist kein JSON-Objekt";
    QTest::newRow("another format") << QByteArray() << "format" << QJsonValue("glabels")
                                    << "Die Datei ist keine Tagomat-Gestaltung";
    QTest::newRow("newer version")
        << QByteArray() << "version" << QJsonValue(2)
        << "Die Gestaltung stammt aus einer neueren Version von Tagomat (Version 2)";
    QTest::newRow("version not a number")
        << QByteArray() << "version" << QJsonValue("1") << damaged + "ihre Version";
    QTest::newRow("negative picture width")
        << QByteArray() << "pictures" << QJsonValue(picture({{"widthMm", -5}}))
        << damaged + "pictures[0].widthMm ist -5";
    QTest::newRow("picture not base64")
        << QByteArray() << "pictures" << QJsonValue(picture({{"data", "kein*Bild"}}))
        << damaged + "pictures[0].data ist kein Bild in Base64";
    QTest::newRow("two backgrounds") << QByteArray() << "pictures"
                                     << QJsonValue(picture({{"placement", "background"}}) +
                                                   picture({{"placement", "background"}}).first())
                                     << damaged + "pictures[1] ist ein zweiter Hintergrund";
    QJsonArray nine;
    for (int index = 0; index < 9; ++index)
        nine.append(picture({}).first());
    QTest::newRow("too many pictures") << QByteArray() << "pictures" << QJsonValue(nine)
                                       << damaged + "pictures hat 9 Einträge, höchstens 8";
    QTest::newRow("picture over 16 MiB")
        << QByteArray() << "pictures"
        << QJsonValue(picture({{"data", QString(17 * 1024 * 1024 / 3 * 4, u'A')}}))
        << damaged + "pictures[0] ist 17,0 MiB groß";
    const QJsonArray elevenMiB = picture({{"data", QString(11 * 1024 * 1024 / 3 * 4, u'A')}});
    QTest::newRow("pictures over 20 MiB together")
        << QByteArray() << "pictures" << QJsonValue(elevenMiB + elevenMiB.first())
        << damaged + "pictures sind zusammen 22,0 MiB groß, höchstens 20,0 MiB";
    QTest::newRow("file over 32 MiB") << QByteArray(33 * 1024 * 1024, ' ') << QString() << none
                                      << "Die Gestaltung ist zu groß: 33,0 MiB, höchstens 32,0 MiB";
    QTest::newRow("unknown symbology")
        << QByteArray() << "code"
        << QJsonValue(QJsonObject{{"symbology", "pdf417"},
                                  {"areaMm", QJsonObject{{"width", 10}, {"height", 10}}}})
        << damaged + "code.symbology ist „pdf417“";
    QTest::newRow("code area of no size")
        << QByteArray() << "code"
        << QJsonValue(QJsonObject{{"areaMm", QJsonObject{{"width", 0}, {"height", 10}}}})
        << damaged + "code.areaMm.width ist 0";
    QTest::newRow("colour no colour")
        << QByteArray() << "lines" << QJsonValue(QJsonArray{QJsonObject{{"colour", "rot"}}})
        << damaged + "lines[0].colour ist „rot“";
    QTest::newRow("category colour missing")
        << QByteArray() << "category"
        << QJsonValue(QJsonObject{{"colours", QJsonArray{QJsonObject{{"value", "Presse"}}}}})
        << damaged + "category.colours[0].colour fehlt";
    QTest::newRow("unknown sheet code, no sizes")
        << QByteArray() << "sheet" << QJsonValue(QJsonObject{{"code", "XY-999"}})
        << damaged + "sheet.code „XY-999“ ist kein Bogen des Katalogs";
    QTest::newRow("sheet reaching past the paper")
        << QByteArray() << "sheet"
        << QJsonValue(QJsonObject{{"labelWidth", 150},
                                  {"labelHeight", 50},
                                  {"columns", 2},
                                  {"rows", 1},
                                  {"horizontalPitch", 150},
                                  {"verticalPitch", 50}})
        << damaged + "sheet " + sheetProblemText(SheetProblem::BeyondPaper);
    QTest::newRow("font of no size")
        << QByteArray() << "font" << QJsonValue(QJsonObject{{"family", "Arial"}, {"points", 0}})
        << damaged + "font.points ist 0";
    QTest::newRow("three sort keys")
        << QByteArray() << "columns"
        << QJsonValue(
               QJsonObject{{"sort", QJsonArray{QJsonObject{}, QJsonObject{}, QJsonObject{}}}})
        << damaged + "columns.sort hat 3 Einträge, höchstens 2";
}

void TestLabelDesign::designRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, field);
    QFETCH(QJsonValue, value);
    QFETCH(QString, reason);
    if (!field.isEmpty()) {
        QJsonObject root =
            QJsonDocument::fromJson(writeDesign(designPresets().first().design)).object();
        root.insert(field, value);
        bytes = QJsonDocument(root).toJson();
    }
    QString why = "unchanged";
    const std::optional<SavedDesign> read = readDesign(bytes, &why);
    QVERIFY(!read);
    QVERIFY2(why.startsWith(reason), qPrintable(why));
}

QTEST_MAIN(TestLabelDesign)
#include "test_labeldesign.moc"
