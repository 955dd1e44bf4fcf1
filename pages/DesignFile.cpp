#include "pages/DesignFile.h"

#include "pages/LabelSheetCatalogue.h"
#include "pages/LabelTemplate.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {
// The context these texts are filed under in the translation.
struct DesignFileTexts {
    Q_DECLARE_TR_FUNCTIONS(DesignFile)
};

const QString formatName = QStringLiteral("tagomat-design");

// Limits against hostile files: the whole file, the pictures, and the sizes a
// label can sensibly have.
constexpr qsizetype maximumFileBytes = designLimits::fileBytes;
constexpr qsizetype maximumPictureBytes = designLimits::pictureBytes;
constexpr qsizetype maximumPictures = designLimits::pictures;
constexpr qsizetype maximumLineStyles = LabelTemplate::maximumLines;
constexpr qsizetype maximumColours = 100;
constexpr qsizetype maximumSortKeys = 2;
constexpr double maximumMillimetres = 1000;
constexpr double maximumPoints = 500;

// The names the file gives enumerations, in the order of their values.
const QStringList alignmentNames{QStringLiteral("left"), QStringLiteral("center"),
                                 QStringLiteral("right")};
const QList<Qt::Alignment> alignments{Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
const QStringList symbologyNames{QStringLiteral("qr"), QStringLiteral("datamatrix"),
                                 QStringLiteral("code128"), QStringLiteral("ean13")};
const QStringList placementNames{QStringLiteral("logo"), QStringLiteral("background")};
const QStringList styleNames{QStringLiteral("band"), QStringLiteral("background")};
const QStringList codeKindNames{QStringLiteral("none"), QStringLiteral("template"),
                                QStringLiteral("vcard")};
const QStringList shapeNames{QStringLiteral("rect"), QStringLiteral("round"),
                             QStringLiteral("ellipse")};
const QStringList paperNames{QStringLiteral("A4"), QStringLiteral("Letter"),
                             QStringLiteral("Roll")};

QString germanNumber(double value) {
    return QLocale(QLocale::German).toString(value, 'g', 10);
}

QString mebibytes(qsizetype bytes) {
    return QLocale(QLocale::German).toString(double(bytes) / (1024 * 1024), 'f', 1);
}

// --- Writing ---------------------------------------------------------------

QJsonObject fontObject(const QFont &font) {
    return {{"family", font.family()},
            {"points", font.pointSizeF()},
            {"bold", font.bold()},
            {"italic", font.italic()}};
}

QJsonObject sheetObject(const LabelSheet &sheet) {
    const LabelSheet *known = LabelSheetCatalogue::builtIn().findCode(sheet.code());
    if (known && *known == sheet)
        return {{"code", sheet.code()}};
    QJsonObject object{{"maker", sheet.maker},
                       {"codes", QJsonArray::fromStringList(sheet.codes)},
                       {"description", sheet.description},
                       {"source", sheet.source},
                       {"paper", paperNames.at(int(sheet.paper))},
                       {"shape", shapeNames.at(int(sheet.shape))},
                       {"labelWidth", sheet.labelWidth},
                       {"labelHeight", sheet.labelHeight},
                       {"cornerRadius", sheet.cornerRadius},
                       {"columns", sheet.columns},
                       {"rows", sheet.rows},
                       {"leftMargin", sheet.leftMargin},
                       {"topMargin", sheet.topMargin},
                       {"horizontalPitch", sheet.horizontalPitch},
                       {"verticalPitch", sheet.verticalPitch}};
    if (sheet.isRoll()) {
        object.insert("continuous", sheet.continuous);
        object.insert("turned", sheet.turned);
        object.insert("unprintableAcross", sheet.unprintableAcross);
        object.insert("unprintableAlong", sheet.unprintableAlong);
    }
    return object;
}

QJsonObject lineObject(const LineStyle &style) {
    QJsonObject line{
        {"colour", style.colour.name()},
        {"alignment", alignmentNames.value(alignments.indexOf(style.alignment), "center")},
        {"autoSize", style.autoSize}};
    if (style.font)
        line.insert("font", fontObject(*style.font));
    return line;
}

QJsonObject pictureObject(const LabelPicture &picture) {
    return {
        {"fileName", picture.fileName},
        {"placement", placementNames.at(int(picture.placement))},
        {"positionMm", QJsonObject{{"x", picture.positionMm.x()}, {"y", picture.positionMm.y()}}},
        {"widthMm", picture.widthMm},
        {"data", QString::fromLatin1(picture.bytes.toBase64())}};
}

QJsonObject categoryObject(const CategoryColours &category, const QString &caption) {
    QJsonArray colours;
    for (const auto &[value, colour] : category.colours)
        colours.append(QJsonObject{{"value", value}, {"colour", colour.name()}});
    QJsonObject object{{"column", caption},
                       {"style", styleNames.at(int(category.style))},
                       {"bandHeightMm", category.bandHeightMm},
                       {"colours", colours}};
    if (category.otherValues.isValid())
        object.insert("otherValues", category.otherValues.name());
    return object;
}

QJsonObject columnsObject(const SavedDesign &design) {
    QJsonArray sort;
    for (const SavedDesign::SortCaption &key : design.sortCaptions)
        sort.append(QJsonObject{{"caption", key.caption}, {"descending", key.descending}});
    return {{"labelText", design.labelText},
            {"quantity", design.quantityCaption},
            {"code", QJsonObject{{"kind", codeKindNames.at(int(design.codeKind))},
                                 {"template", design.codeTemplate},
                                 {"vCard", QJsonArray::fromStringList(design.vCardCaptions)}}},
            {"sort", sort},
            {"skipCaptions", design.skipCaptions},
            {"mergeEqual", design.mergeEqual}};
}

// --- Reading ---------------------------------------------------------------

// Reads the values of a design, keeping the first reason one is unusable.
// Each value is named by its path in the file, e.g. lines[1].colour.
class DesignReader {
public:
    QString problem;

    bool failed() const { return !problem.isEmpty(); }

    void refuse(const QString &path, const QString &what) {
        if (!failed())
            problem = DesignFileTexts::tr("Die Gestaltung ist beschädigt: %1 %2").arg(path, what);
    }

    QJsonObject object(const QJsonObject &parent, const QString &key, const QString &path) {
        const QJsonValue value = parent.value(key);
        if (!value.isUndefined() && !value.isObject())
            refuse(path, DesignFileTexts::tr("ist kein Objekt"));
        return value.toObject();
    }

    QJsonArray array(const QJsonObject &parent, const QString &key, const QString &path,
                     qsizetype limit) {
        const QJsonValue value = parent.value(key);
        if (!value.isUndefined() && !value.isArray())
            refuse(path, DesignFileTexts::tr("ist keine Liste"));
        const QJsonArray items = value.toArray();
        if (items.size() > limit)
            refuse(
                path,
                DesignFileTexts::tr("hat %1 Einträge, höchstens %2").arg(items.size()).arg(limit));
        return items;
    }

    QString text(const QJsonObject &parent, const QString &key, const QString &path) {
        const QJsonValue value = parent.value(key);
        if (!value.isUndefined() && !value.isString())
            refuse(path, DesignFileTexts::tr("ist kein Text"));
        return value.toString();
    }

    bool flag(const QJsonObject &parent, const QString &key, const QString &path, bool absent) {
        const QJsonValue value = parent.value(key);
        if (!value.isUndefined() && !value.isBool())
            refuse(path, DesignFileTexts::tr("ist weder true noch false"));
        return value.toBool(absent);
    }

    // A number within [low, high]; absent gives the default.
    double number(const QJsonObject &parent, const QString &key, const QString &path, double low,
                  double high, double absent) {
        const QJsonValue value = parent.value(key);
        if (value.isUndefined())
            return absent;
        const double read = value.toDouble(std::nan(""));
        if (!value.isDouble() || !std::isfinite(read) || read < low || read > high)
            refuse(path, DesignFileTexts::tr("ist %1, erwartet eine Zahl von %2 bis %3")
                             .arg(shown(value), germanNumber(low), germanNumber(high)));
        return failed() ? absent : read;
    }

    // One of the names; absent gives the first.
    int choice(const QJsonObject &parent, const QString &key, const QString &path,
               const QStringList &names) {
        const QJsonValue value = parent.value(key);
        if (value.isUndefined())
            return 0;
        const int index = int(names.indexOf(value.toString()));
        if (!value.isString() || index < 0)
            refuse(path,
                   DesignFileTexts::tr("ist %1, erwartet %2").arg(shown(value), names.join(" | ")));
        return std::max(index, 0);
    }

    // A colour written #rrggbb; absent gives the default.
    QColor colour(const QJsonObject &parent, const QString &key, const QString &path,
                  const QColor &absent) {
        static const QRegularExpression rgb(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        const QJsonValue value = parent.value(key);
        if (value.isUndefined())
            return absent;
        if (!rgb.match(value.toString()).hasMatch()) {
            refuse(
                path,
                DesignFileTexts::tr("ist %1, erwartet eine Farbe wie #1a2b3c").arg(shown(value)));
            return absent;
        }
        return QColor::fromString(value.toString());
    }

    QFont font(const QJsonObject &object, const QString &path) {
        QFont read(text(object, "family", path + ".family"));
        read.setPointSizeF(number(object, "points", path + ".points", 1, maximumPoints, 10));
        read.setBold(flag(object, "bold", path + ".bold", false));
        read.setItalic(flag(object, "italic", path + ".italic", false));
        return read;
    }

    static QString shown(const QJsonValue &value) {
        if (value.isString())
            return DesignFileTexts::tr("„%1“").arg(value.toString().left(40));
        if (value.isDouble())
            return germanNumber(value.toDouble());
        return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
            .mid(1)
            .chopped(1)
            .left(40);
    }
};

std::optional<LabelSheet> readSheet(DesignReader &reader, const QJsonObject &object) {
    if (object.contains("code")) {
        const QString code = reader.text(object, "code", "sheet.code");
        if (const LabelSheet *known = LabelSheetCatalogue::builtIn().findCode(code))
            return *known;
        if (!object.contains("labelWidth")) {
            reader.refuse("sheet.code", DesignFileTexts::tr("„%1“ ist kein Bogen des Katalogs, und "
                                                            "die Maße des Bogens fehlen")
                                            .arg(code));
            return std::nullopt;
        }
    }
    const auto mm = [&](const char *key) {
        return reader.number(object, key, QStringLiteral("sheet.") + key, -maximumMillimetres,
                             maximumMillimetres, 0);
    };
    LabelSheet sheet;
    sheet.maker = reader.text(object, "maker", "sheet.maker");
    for (const QJsonValue code : reader.array(object, "codes", "sheet.codes", 20))
        sheet.codes << code.toString();
    sheet.description = reader.text(object, "description", "sheet.description");
    sheet.source = reader.text(object, "source", "sheet.source");
    sheet.paper = Paper(reader.choice(object, "paper", "sheet.paper", paperNames));
    sheet.shape = LabelShape(reader.choice(object, "shape", "sheet.shape", shapeNames));
    sheet.labelWidth = mm("labelWidth");
    sheet.labelHeight = mm("labelHeight");
    sheet.cornerRadius = mm("cornerRadius");
    sheet.columns = int(reader.number(object, "columns", "sheet.columns", 0, 1000, 0));
    sheet.rows = int(reader.number(object, "rows", "sheet.rows", 0, 1000, 0));
    sheet.leftMargin = mm("leftMargin");
    sheet.topMargin = mm("topMargin");
    sheet.horizontalPitch = mm("horizontalPitch");
    sheet.verticalPitch = mm("verticalPitch");
    if (sheet.isRoll()) {
        sheet.continuous = reader.flag(object, "continuous", "sheet.continuous", false);
        sheet.turned = reader.flag(object, "turned", "sheet.turned", false);
        sheet.unprintableAcross = mm("unprintableAcross");
        sheet.unprintableAlong = mm("unprintableAlong");
    }
    if (!reader.failed() && !sheet.isValid())
        reader.refuse("sheet", sheetProblemText(sheet.problem()));
    return sheet;
}

LineStyle readLine(DesignReader &reader, const QJsonObject &object, const QString &path) {
    LineStyle style;
    if (object.contains("font"))
        style.font = reader.font(reader.object(object, "font", path + ".font"), path + ".font");
    style.colour = reader.colour(object, "colour", path + ".colour", style.colour);
    if (object.contains("alignment"))
        style.alignment =
            alignments.at(reader.choice(object, "alignment", path + ".alignment", alignmentNames));
    style.autoSize = reader.flag(object, "autoSize", path + ".autoSize", false);
    return style;
}

LabelPicture readPicture(DesignReader &reader, const QJsonObject &object, const QString &path) {
    LabelPicture picture;
    picture.fileName = reader.text(object, "fileName", path + ".fileName");
    picture.placement = LabelPicture::Placement(
        reader.choice(object, "placement", path + ".placement", placementNames));
    const QJsonObject position = reader.object(object, "positionMm", path + ".positionMm");
    picture.positionMm = {reader.number(position, "x", path + ".positionMm.x", -maximumMillimetres,
                                        maximumMillimetres, 0),
                          reader.number(position, "y", path + ".positionMm.y", -maximumMillimetres,
                                        maximumMillimetres, 0)};
    picture.widthMm =
        reader.number(object, "widthMm", path + ".widthMm", 0.1, maximumMillimetres, 20);
    const QString data = reader.text(object, "data", path + ".data");
    // Base64 is 4 characters for 3 bytes, less one for each "=" of padding:
    // refuse before decoding a huge picture.
    const qsizetype padding = data.endsWith(QLatin1String("==")) ? 2 : data.endsWith(u'=') ? 1 : 0;
    const qsizetype pictureBytes = data.size() / 4 * 3 - padding;
    if (pictureBytes > maximumPictureBytes) {
        reader.refuse(path, DesignFileTexts::tr("ist %1 MiB groß, höchstens %2 MiB")
                                .arg(mebibytes(pictureBytes), mebibytes(maximumPictureBytes)));
        return picture;
    }
    const auto decoded =
        QByteArray::fromBase64Encoding(data.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty() || data.size() % 4 != 0)
        reader.refuse(path + ".data", DesignFileTexts::tr("ist kein Bild in Base64"));
    picture.bytes = decoded.decoded;
    return picture;
}

std::optional<LabelCode> readCode(DesignReader &reader, const QJsonObject &object) {
    LabelCode code;
    code.symbology =
        CodeSymbology(reader.choice(object, "symbology", "code.symbology", symbologyNames));
    const QJsonObject area = reader.object(object, "areaMm", "code.areaMm");
    const auto mm = [&](const char *key, double low) {
        return reader.number(area, key, QStringLiteral("code.areaMm.") + key, low,
                             maximumMillimetres, 0);
    };
    code.areaMm = QRectF(mm("x", -maximumMillimetres), mm("y", -maximumMillimetres),
                         mm("width", 0.1), mm("height", 0.1));
    return code;
}

CategoryColours readCategory(DesignReader &reader, const QJsonObject &object) {
    CategoryColours category;
    category.style =
        CategoryColours::Style(reader.choice(object, "style", "category.style", styleNames));
    category.bandHeightMm = reader.number(object, "bandHeightMm", "category.bandHeightMm", 0,
                                          maximumMillimetres, category.bandHeightMm);
    const QJsonArray colours = reader.array(object, "colours", "category.colours", maximumColours);
    for (qsizetype index = 0; index < colours.size(); ++index) {
        const QString path = QStringLiteral("category.colours[%1]").arg(index);
        const QJsonObject entry = colours.at(index).toObject();
        category.colours.append({reader.text(entry, "value", path + ".value"),
                                 reader.colour(entry, "colour", path + ".colour", QColor())});
        if (!entry.contains("colour"))
            reader.refuse(path + ".colour", DesignFileTexts::tr("fehlt"));
    }
    category.otherValues = reader.colour(object, "otherValues", "category.otherValues", QColor());
    return category;
}

void readColumns(DesignReader &reader, const QJsonObject &object, SavedDesign &design) {
    design.labelText = reader.text(object, "labelText", "columns.labelText");
    design.quantityCaption = reader.text(object, "quantity", "columns.quantity");
    const QJsonObject code = reader.object(object, "code", "columns.code");
    design.codeKind =
        CodeContent::Kind(reader.choice(code, "kind", "columns.code.kind", codeKindNames));
    design.codeTemplate = reader.text(code, "template", "columns.code.template");
    for (const QJsonValue caption : reader.array(code, "vCard", "columns.code.vCard", 4))
        design.vCardCaptions << caption.toString();
    const QJsonArray sort = reader.array(object, "sort", "columns.sort", maximumSortKeys);
    for (qsizetype index = 0; index < sort.size(); ++index) {
        const QString path = QStringLiteral("columns.sort[%1]").arg(index);
        const QJsonObject key = sort.at(index).toObject();
        design.sortCaptions.append({reader.text(key, "caption", path + ".caption"),
                                    reader.flag(key, "descending", path + ".descending", false)});
    }
    design.skipCaptions = reader.flag(object, "skipCaptions", "columns.skipCaptions", false);
    design.mergeEqual = reader.flag(object, "mergeEqual", "columns.mergeEqual", true);
}

LabelDesign readLook(DesignReader &reader, const QJsonObject &root) {
    LabelDesign look;
    const QJsonArray lines = reader.array(root, "lines", "lines", maximumLineStyles);
    for (qsizetype index = 0; index < lines.size(); ++index)
        look.lines.append(
            readLine(reader, lines.at(index).toObject(), QStringLiteral("lines[%1]").arg(index)));
    const QJsonArray pictures = reader.array(root, "pictures", "pictures", maximumPictures);
    int backgrounds = 0;
    qsizetype together = 0;
    for (qsizetype index = 0; index < pictures.size() && !reader.failed(); ++index) {
        look.pictures.append(readPicture(reader, pictures.at(index).toObject(),
                                         QStringLiteral("pictures[%1]").arg(index)));
        together += look.pictures.last().bytes.size();
        if (together > designLimits::allPictureBytes)
            reader.refuse(QStringLiteral("pictures"),
                          DesignFileTexts::tr("sind zusammen %1 MiB groß, höchstens %2 MiB")
                              .arg(mebibytes(together), mebibytes(designLimits::allPictureBytes)));
        if (look.pictures.last().placement == LabelPicture::Placement::Background &&
            ++backgrounds > 1)
            reader.refuse(QStringLiteral("pictures[%1]").arg(index),
                          DesignFileTexts::tr("ist ein zweiter Hintergrund; es gibt nur einen"));
    }
    if (root.contains("code"))
        look.code = readCode(reader, reader.object(root, "code", "code"));
    look.category = readCategory(reader, reader.object(root, "category", "category"));
    return look;
}

} // namespace

QString pictureRoomProblem(const LabelDesign &look, qsizetype addedBytes) {
    if (addedBytes > maximumPictureBytes)
        return DesignFileTexts::tr("Das Bild ist zu groß: %1 MiB, höchstens %2 MiB.")
            .arg(mebibytes(addedBytes), mebibytes(maximumPictureBytes));
    if (look.pictures.size() >= maximumPictures)
        return DesignFileTexts::tr("Eine Gestaltung hat höchstens %1 Bilder.").arg(maximumPictures);
    qsizetype together = addedBytes;
    for (const LabelPicture &picture : look.pictures)
        together += picture.bytes.size();
    if (together > designLimits::allPictureBytes)
        return DesignFileTexts::tr("Die Bilder sind zusammen zu groß: %1 MiB, höchstens %2 MiB.")
            .arg(mebibytes(together), mebibytes(designLimits::allPictureBytes));
    return {};
}

QByteArray writeDesign(const SavedDesign &design) {
    QJsonObject root{{"format", formatName}, {"version", SavedDesign::currentVersion}};
    if (design.sheet)
        root.insert("sheet", sheetObject(*design.sheet));
    root.insert("font", fontObject(design.font));
    QJsonArray lines;
    for (const LineStyle &style : design.look.lines)
        lines.append(lineObject(style));
    root.insert("lines", lines);
    QJsonArray pictures;
    for (const LabelPicture &picture : design.look.pictures)
        pictures.append(pictureObject(picture));
    root.insert("pictures", pictures);
    if (design.look.code)
        root.insert(
            "code",
            QJsonObject{{"symbology", symbologyNames.at(int(design.look.code->symbology))},
                        {"areaMm", QJsonObject{{"x", design.look.code->areaMm.x()},
                                               {"y", design.look.code->areaMm.y()},
                                               {"width", design.look.code->areaMm.width()},
                                               {"height", design.look.code->areaMm.height()}}}});
    root.insert("category", categoryObject(design.look.category, design.categoryCaption));
    root.insert("columns", columnsObject(design));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<SavedDesign> readDesign(const QByteArray &bytes, QString *reason) {
    const auto refused = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return std::nullopt;
    };
    if (bytes.size() > maximumFileBytes)
        return refused(DesignFileTexts::tr("Die Gestaltung ist zu groß: %1 MiB, höchstens %2 MiB.")
                           .arg(mebibytes(bytes.size()), mebibytes(maximumFileBytes)));
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parsed);
    if (parsed.error != QJsonParseError::NoError)
        return refused(DesignFileTexts::tr("Die Gestaltung ist beschädigt: kein lesbares JSON "
                                           "(Fehler bei Zeichen %1).")
                           .arg(parsed.offset));
    if (!document.isObject())
        return refused(
            DesignFileTexts::tr("Die Gestaltung ist beschädigt: sie ist kein JSON-Objekt."));
    const QJsonObject root = document.object();
    if (root.value("format").toString() != formatName)
        return refused(DesignFileTexts::tr("Die Datei ist keine Tagomat-Gestaltung: ihr Feld "
                                           "„format“ ist nicht „%1“.")
                           .arg(formatName));
    const QJsonValue version = root.value("version");
    if (!version.isDouble() || version.toDouble() < 1 ||
        version.toDouble() != std::floor(version.toDouble()))
        return refused(DesignFileTexts::tr("Die Gestaltung ist beschädigt: ihre Version fehlt oder "
                                           "ist keine ganze Zahl ab 1."));
    if (version.toDouble() > SavedDesign::currentVersion)
        return refused(DesignFileTexts::tr("Die Gestaltung stammt aus einer neueren Version von "
                                           "Tagomat (Version %1); diese Version liest Gestaltungen "
                                           "bis Version %2.")
                           .arg(QString::number(version.toDouble()))
                           .arg(SavedDesign::currentVersion));
    DesignReader reader;
    SavedDesign design;
    if (root.contains("sheet"))
        design.sheet = readSheet(reader, reader.object(root, "sheet", "sheet"));
    if (root.contains("font"))
        design.font = reader.font(reader.object(root, "font", "font"), "font");
    design.look = readLook(reader, root);
    design.categoryCaption =
        reader.text(reader.object(root, "category", "category"), "column", "category.column");
    readColumns(reader, reader.object(root, "columns", "columns"), design);
    if (reader.failed())
        return refused(reader.problem + u'.');
    return design;
}

// --- Columns by caption ----------------------------------------------------

namespace {

int columnOfCaption(const QStringList &captions, const QString &caption) {
    return caption.trimmed().isEmpty() ? LabelChoice::noColumn : columnOfName(captions, caption);
}

QString captionOfColumn(const QStringList &captions, int column) {
    return column == LabelChoice::noColumn ? QString() : columnName(captions, column);
}

} // namespace

LabelChoice SavedDesign::choiceFor(const QStringList &captions) const {
    LabelChoice choice;
    if (!labelText.isEmpty())
        choice.text = LabelTemplate::parse(labelText, captions);
    choice.quantityColumn = columnOfCaption(captions, quantityCaption);
    choice.skipCaptions = skipCaptions;
    choice.mergeEqual = mergeEqual;
    choice.code.kind = codeKind;
    choice.code.templateText = codeTemplate;
    choice.code.firstNameColumn = columnOfCaption(captions, vCardCaptions.value(0));
    choice.code.lastNameColumn = columnOfCaption(captions, vCardCaptions.value(1));
    choice.code.companyColumn = columnOfCaption(captions, vCardCaptions.value(2));
    choice.code.emailColumn = columnOfCaption(captions, vCardCaptions.value(3));
    choice.categoryColumn = columnOfCaption(captions, categoryCaption);
    for (const SortCaption &key : sortCaptions)
        if (const int column = columnOfCaption(captions, key.caption);
            column != LabelChoice::noColumn)
            choice.sortKeys.append({column, key.descending});
    return choice;
}

void SavedDesign::setChoice(const LabelChoice &choice, const QStringList &captions) {
    labelText = choice.text.text(captions);
    quantityCaption = captionOfColumn(captions, choice.quantityColumn);
    skipCaptions = choice.skipCaptions;
    mergeEqual = choice.mergeEqual;
    codeKind = choice.code.kind;
    codeTemplate = choice.code.templateText;
    vCardCaptions = {captionOfColumn(captions, choice.code.firstNameColumn),
                     captionOfColumn(captions, choice.code.lastNameColumn),
                     captionOfColumn(captions, choice.code.companyColumn),
                     captionOfColumn(captions, choice.code.emailColumn)};
    categoryCaption = captionOfColumn(captions, choice.categoryColumn);
    sortCaptions.clear();
    for (const SortKey &key : choice.sortKeys)
        if (key.column != LabelChoice::noColumn)
            sortCaptions.append({captionOfColumn(captions, key.column), key.descending});
}

// --- Presets ---------------------------------------------------------------

namespace {

QFont presetFont(qreal points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

LineStyle presetLine(qreal points, bool bold, Qt::Alignment alignment) {
    LineStyle style;
    style.font = presetFont(points, bold);
    style.alignment = alignment;
    return style;
}

// An 80 x 50 mm badge: a bold name at 20 pt, the company under it at 70 %.
SavedDesign badge(Qt::Alignment alignment) {
    SavedDesign design;
    if (const LabelSheet *sheet = LabelSheetCatalogue::builtIn().findCode(QStringLiteral("L4785")))
        design.sheet = *sheet;
    design.font = presetFont(20);
    design.look.lines = {presetLine(20, true, alignment), presetLine(14, false, alignment)};
    design.labelText = QStringLiteral("«Vorname» «Nachname»|«Firma»");
    design.quantityCaption = QStringLiteral("Anzahl");
    return design;
}

SavedDesign badgeWithLogo() {
    SavedDesign design = badge(Qt::AlignHCenter);
    QFile logo(QStringLiteral(":/presets/logo.svg"));
    if (logo.open(QIODevice::ReadOnly)) {
        LabelPicture picture;
        picture.bytes = logo.readAll();
        picture.fileName = QStringLiteral("logo.svg");
        picture.positionMm = {4, 4};
        picture.widthMm = 20;
        design.look.pictures = {picture};
    }
    return design;
}

SavedDesign badgeWithQrCode() {
    SavedDesign design = badge(Qt::AlignLeft);
    // 18 mm square, 4 mm from the badge's right and bottom edges.
    design.look.code = LabelCode{CodeSymbology::QrCode, QRectF(58, 28, 18, 18)};
    design.codeKind = CodeContent::Kind::Template;
    design.codeTemplate = QStringLiteral("«E-Mail»");
    return design;
}

SavedDesign addressLabel() {
    SavedDesign design;
    if (const LabelSheet *sheet = LabelSheetCatalogue::builtIn().findCode(QStringLiteral("L7163")))
        design.sheet = *sheet;
    design.font = presetFont(11);
    // An address reads best with every line the same size.
    design.look.lines = {presetLine(11, false, Qt::AlignLeft), presetLine(11, false, Qt::AlignLeft),
                         presetLine(11, false, Qt::AlignLeft)};
    design.labelText = QStringLiteral("«Vorname» «Nachname»|«Straße»|«PLZ» «Ort»");
    design.quantityCaption = QStringLiteral("Anzahl");
    return design;
}

} // namespace

QList<DesignPreset> designPresets() {
    return {{DesignFileTexts::tr("Namensschild mit Logo"), badgeWithLogo()},
            {DesignFileTexts::tr("Namensschild mit QR-Code"), badgeWithQrCode()},
            {DesignFileTexts::tr("Adressetikett"), addressLabel()}};
}
