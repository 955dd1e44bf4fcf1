#include "pages/GLabelsTemplates.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {
constexpr double millimetresPerPoint = 25.4 / 72;
constexpr double millimetresPerCentimetre = 10;
constexpr double millimetresPerPica = 25.4 / 6;
// Template files give lengths in points rounded to a tenth: a pitch that
// much under the label size (Avery 7161: 132.5 pt for 132.6 pt) is a
// rounding, not an overlap. As much as the sheets may reach past the paper.
constexpr double pitchRoundingMm = 0.2;

// The context these texts are filed under in the translation.
struct GLabelsTemplatesTexts {
    Q_DECLARE_TR_FUNCTIONS(GLabelsTemplates)
};

struct TemplateGeometry {
    LabelSheet sheet;
    int labels = 0;  // label elements seen
    int layouts = 0; // layout elements seen in the label
    QString problem; // why it cannot be used; empty when it can
};

double lengthAttribute(const QXmlStreamAttributes &attributes, const char *name, QString *problem) {
    const QString text = attributes.value(QLatin1String(name)).toString();
    if (text.trimmed().isEmpty())
        return 0; // gLabels treats a missing or empty length as 0
    double mm = 0;
    if (!parseGLabelsLength(text, &mm) && problem->isEmpty())
        *problem = GLabelsTemplatesTexts::tr("Länge „%1“ in %2 nicht lesbar")
                       .arg(text, QLatin1String(name));
    return mm;
}

int countAttribute(const QXmlStreamAttributes &attributes, const char *name, QString *problem) {
    bool ok = false;
    const int count = attributes.value(QLatin1String(name)).toInt(&ok);
    if (!ok && problem->isEmpty())
        *problem = GLabelsTemplatesTexts::tr("Anzahl %1 nicht lesbar").arg(QLatin1String(name));
    return count;
}

void readLabel(QXmlStreamReader &reader, TemplateGeometry &geometry) {
    ++geometry.labels;
    LabelSheet &sheet = geometry.sheet;
    const QXmlStreamAttributes attributes = reader.attributes();
    const auto kind = reader.name();
    if (kind == QLatin1String("Label-rectangle")) {
        sheet.shape = LabelShape::Rectangle;
        sheet.labelWidth = lengthAttribute(attributes, "width", &geometry.problem);
        sheet.labelHeight = lengthAttribute(attributes, "height", &geometry.problem);
        sheet.cornerRadius = lengthAttribute(attributes, "round", &geometry.problem);
    } else if (kind == QLatin1String("Label-round")) {
        sheet.shape = LabelShape::Round;
        const double radius = lengthAttribute(attributes, "radius", &geometry.problem);
        sheet.labelWidth = sheet.labelHeight = 2 * radius;
        sheet.cornerRadius = radius;
    } else if (kind == QLatin1String("Label-ellipse")) {
        sheet.shape = LabelShape::Ellipse;
        sheet.labelWidth = lengthAttribute(attributes, "width", &geometry.problem);
        sheet.labelHeight = lengthAttribute(attributes, "height", &geometry.problem);
    } else if (geometry.problem.isEmpty()) {
        geometry.problem = GLabelsTemplatesTexts::tr("Etikettenform %1 wird nicht unterstützt")
                               .arg(kind.toString());
    }
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Layout")) {
            ++geometry.layouts;
            const QXmlStreamAttributes layout = reader.attributes();
            sheet.columns = countAttribute(layout, "nx", &geometry.problem);
            sheet.rows = countAttribute(layout, "ny", &geometry.problem);
            sheet.leftMargin = lengthAttribute(layout, "x0", &geometry.problem);
            sheet.topMargin = lengthAttribute(layout, "y0", &geometry.problem);
            sheet.horizontalPitch = lengthAttribute(layout, "dx", &geometry.problem);
            sheet.verticalPitch = lengthAttribute(layout, "dy", &geometry.problem);
        }
        reader.skipCurrentElement();
    }
}

// Reads one <Template> up to its end tag; answers its geometry.
TemplateGeometry readTemplate(QXmlStreamReader &reader, const QString &sourceName) {
    TemplateGeometry geometry;
    LabelSheet &sheet = geometry.sheet;
    const QXmlStreamAttributes attributes = reader.attributes();
    sheet.maker = attributes.value(QLatin1String("brand")).toString().trimmed();
    sheet.codes = {attributes.value(QLatin1String("part")).toString().trimmed()};
    sheet.description = attributes.value(QLatin1String("_description")).toString();
    if (sheet.description.isEmpty())
        sheet.description = attributes.value(QLatin1String("description")).toString();
    sheet.source = sourceName.isEmpty()
                       ? GLabelsTemplatesTexts::tr("gLabels-Vorlage")
                       : GLabelsTemplatesTexts::tr("gLabels-Vorlage %1").arg(sourceName);
    const QString size = attributes.value(QLatin1String("size")).toString();
    if (size == QLatin1String("A4"))
        sheet.paper = Paper::A4;
    else if (size == QLatin1String("US-Letter"))
        sheet.paper = Paper::Letter;
    else if (!attributes.hasAttribute(QLatin1String("equiv")))
        geometry.problem =
            GLabelsTemplatesTexts::tr("Papierformat „%1“ wird nicht unterstützt").arg(size);
    while (reader.readNextStartElement()) {
        if (reader.name().startsWith(QLatin1String("Label-")))
            readLabel(reader, geometry);
        else
            reader.skipCurrentElement();
    }
    return geometry;
}

QString templateName(const LabelSheet &sheet) {
    return (sheet.maker + QLatin1Char(' ') + sheet.code()).trimmed();
}

// A label at most pitchRoundingMm larger than its pitch takes the pitch as
// its size; its corner radius shrinks with it.
void fitLabelToPitch(LabelSheet &sheet) {
    const auto fit = [](int count, double pitch, double &size) {
        if (count < 2 || !(size > pitch) || size - pitch > pitchRoundingMm)
            return false;
        size = pitch;
        return true;
    };
    const bool narrowed = fit(sheet.columns, sheet.horizontalPitch, sheet.labelWidth);
    const bool lowered = fit(sheet.rows, sheet.verticalPitch, sheet.labelHeight);
    if (narrowed || lowered)
        sheet.cornerRadius =
            std::min(sheet.cornerRadius, std::min(sheet.labelWidth, sheet.labelHeight) / 2);
}

// Why a template read without errors still cannot be used; empty if it can.
QString unusableReason(const TemplateGeometry &geometry) {
    if (geometry.sheet.code().isEmpty())
        return GLabelsTemplatesTexts::tr(
            "keine Teilenummer (part), unter der die Vorlage gespeichert werden kann");
    if (!geometry.problem.isEmpty())
        return geometry.problem;
    if (geometry.labels != 1)
        return GLabelsTemplatesTexts::tr("%1 Etikettenarten auf einem Bogen").arg(geometry.labels);
    if (geometry.layouts != 1)
        return GLabelsTemplatesTexts::tr("%1 Anordnungen statt einer").arg(geometry.layouts);
    return sheetProblemText(geometry.sheet.problem());
}
} // namespace

bool parseGLabelsLength(const QString &text, double *mm) {
    static const QRegularExpression length(QStringLiteral(
        R"(^\s*([+-]?(?:\d+(?:\.\d*)?|\.\d+)(?:[eE][+-]?\d+)?)\s*(pt|in|mm|cm|pc)?\s*$)"));
    const QRegularExpressionMatch match = length.match(text);
    if (!match.hasMatch())
        return false;
    const double number = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    double factor = millimetresPerPoint;
    if (unit == QLatin1String("in"))
        factor = millimetresPerInch;
    else if (unit == QLatin1String("mm"))
        factor = 1;
    else if (unit == QLatin1String("cm"))
        factor = millimetresPerCentimetre;
    else if (unit == QLatin1String("pc"))
        factor = millimetresPerPica;
    if (!std::isfinite(number * factor))
        return false;
    *mm = number * factor;
    return true;
}

GLabelsImport readGLabelsTemplates(const QByteArray &xml, const QString &sourceName) {
    GLabelsImport result;
    if (xml.size() > maximumTemplateFileBytes) {
        result.error = GLabelsTemplatesTexts::tr("Die Datei ist größer als %1 MB.")
                           .arg(maximumTemplateFileBytes >> 20);
        return result;
    }
    QXmlStreamReader reader(xml);
    QHash<QString, qsizetype> readSoFar; // index in sheets by "brand part", for equiv
    qsizetype templates = 0;
    bool root = false;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::DTD) {
            result.error = GLabelsTemplatesTexts::tr(
                "Die Datei enthält eine Dokumenttyp-Deklaration (DOCTYPE); "
                "solche Dateien werden nicht gelesen.");
            break;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (!root) {
            if (reader.name() != QLatin1String("Glabels-templates")) {
                result.error =
                    GLabelsTemplatesTexts::tr("Die Datei ist keine gLabels-Vorlagendatei.");
                break;
            }
            root = true;
            continue;
        }
        if (reader.name() != QLatin1String("Template")) {
            reader.skipCurrentElement();
            continue;
        }
        if (++templates > maximumTemplatesPerFile) {
            result.error = GLabelsTemplatesTexts::tr("Die Datei enthält mehr als %1 Vorlagen.")
                               .arg(maximumTemplatesPerFile);
            break;
        }
        const QString equiv =
            reader.attributes().value(QLatin1String("equiv")).toString().trimmed();
        TemplateGeometry geometry = readTemplate(reader, sourceName);
        fitLabelToPitch(geometry.sheet);
        const QString name = templateName(geometry.sheet);
        if (!equiv.isEmpty() && !geometry.sheet.code().isEmpty()) {
            const auto original =
                readSoFar.constFind(geometry.sheet.maker + QLatin1Char(' ') + equiv);
            if (original == readSoFar.constEnd()) {
                result.skipped.append(
                    GLabelsTemplatesTexts::tr("%1: gleich %2, das nicht gelesen wurde")
                        .arg(name, equiv));
                continue;
            }
            // One product under another number: an alias of the sheet read.
            result.sheets[*original].codes.append(geometry.sheet.code());
            readSoFar.insert(name, *original);
            continue;
        }
        const QString reason = unusableReason(geometry);
        if (!reason.isEmpty()) {
            result.skipped.append(GLabelsTemplatesTexts::tr("%1: %2").arg(name, reason));
            continue;
        }
        readSoFar.insert(name, result.sheets.size());
        result.sheets.append(geometry.sheet);
    }
    if (result.error.isEmpty() && reader.hasError())
        result.error = GLabelsTemplatesTexts::tr("Die Datei ist kein gültiges XML (Zeile %1: %2).")
                           .arg(reader.lineNumber())
                           .arg(reader.errorString());
    else if (result.error.isEmpty() && !root)
        result.error = GLabelsTemplatesTexts::tr("Die Datei ist keine gLabels-Vorlagendatei.");
    if (!result.error.isEmpty()) {
        result.sheets.clear();
        result.skipped.clear();
    }
    return result;
}
