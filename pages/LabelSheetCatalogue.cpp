#include "pages/LabelSheetCatalogue.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {
enum Column {
    CodesColumn,
    MakerColumn,
    DescriptionColumn,
    WidthColumn,
    HeightColumn,
    RadiusColumn,
    ShapeColumn,
    ColumnsColumn,
    RowsColumn,
    LeftColumn,
    TopColumn,
    HorizontalPitchColumn,
    VerticalPitchColumn,
    SourceColumn,
    ColumnCount,
    // Optional: "Letter" for the few US templates read from gLabels; A4 without;
    // "roll" (die-cut labels) or "tape" (continuous) for a label printer's roll.
    PaperColumn = ColumnCount,
    // Rolls only: "turned" or "upright", then the unprintable strips at each
    // edge across and along the roll.
    TurnColumn,
    UnprintableAcrossColumn,
    UnprintableAlongColumn,
    LongestLine
};
const QString letterPaper = QStringLiteral("Letter");
const QString rollPaper = QStringLiteral("roll");
const QString tapePaper = QStringLiteral("tape");
const QString turnedRoll = QStringLiteral("turned");
const QString uprightRoll = QStringLiteral("upright");

const QString builtInCataloguePath = QStringLiteral(":/labelsheets.tsv");

bool readNumber(const QString &field, double *value) {
    bool ok = false;
    *value = field.trimmed().toDouble(&ok);
    return ok;
}

bool readCount(const QString &field, int *value) {
    bool ok = false;
    *value = field.trimmed().toInt(&ok);
    return ok;
}

bool readShape(const QString &field, LabelShape *shape) {
    const QString name = field.trimmed();
    if (name == QLatin1String("rect"))
        *shape = LabelShape::Rectangle;
    else if (name == QLatin1String("round"))
        *shape = LabelShape::Round;
    else if (name == QLatin1String("ellipse"))
        *shape = LabelShape::Ellipse;
    else
        return false;
    return true;
}

// The sheet of one catalogue line, or the reason it is not one.
// The paper column and the roll's columns after it.
QString readPaper(const QStringList &fields, LabelSheet *sheet) {
    const QString paper = fields.value(PaperColumn).trimmed();
    sheet->paper = paper == letterPaper ? Paper::Letter : Paper::A4;
    if (paper != rollPaper && paper != tapePaper)
        return fields.size() <= PaperColumn + 1
                   ? QString()
                   : QStringLiteral("roll columns on a sheet of paper \"%1\"").arg(paper);
    sheet->paper = Paper::Roll;
    sheet->continuous = paper == tapePaper;
    const QString turn = fields.value(TurnColumn).trimmed();
    if (!turn.isEmpty() && turn != turnedRoll && turn != uprightRoll)
        return QStringLiteral("neither turned nor upright: \"%1\"").arg(turn);
    sheet->turned = turn == turnedRoll;
    if ((fields.size() > UnprintableAcrossColumn &&
         !readNumber(fields[UnprintableAcrossColumn], &sheet->unprintableAcross)) ||
        (fields.size() > UnprintableAlongColumn &&
         !readNumber(fields[UnprintableAlongColumn], &sheet->unprintableAlong)))
        return QStringLiteral("an unprintable margin is no number");
    return {};
}

QString readSheetLine(const QStringList &fields, LabelSheet *sheet) {
    if (fields.size() < ColumnCount || fields.size() > LongestLine)
        return QStringLiteral("%1 fields instead of %2").arg(fields.size()).arg(ColumnCount);
    if (const QString problem = readPaper(fields, sheet); !problem.isEmpty())
        return problem;
    for (const QString &code : fields[CodesColumn].split(QLatin1Char(',')))
        if (!code.trimmed().isEmpty())
            sheet->codes.append(code.trimmed());
    if (sheet->codes.isEmpty())
        return QStringLiteral("no product code");
    sheet->maker = fields[MakerColumn].trimmed();
    sheet->description = fields[DescriptionColumn].trimmed();
    sheet->source = fields[SourceColumn].trimmed();
    if (!readNumber(fields[WidthColumn], &sheet->labelWidth) ||
        !readNumber(fields[HeightColumn], &sheet->labelHeight) ||
        !readNumber(fields[RadiusColumn], &sheet->cornerRadius) ||
        !readNumber(fields[LeftColumn], &sheet->leftMargin) ||
        !readNumber(fields[TopColumn], &sheet->topMargin) ||
        !readNumber(fields[HorizontalPitchColumn], &sheet->horizontalPitch) ||
        !readNumber(fields[VerticalPitchColumn], &sheet->verticalPitch) ||
        !readCount(fields[ColumnsColumn], &sheet->columns) ||
        !readCount(fields[RowsColumn], &sheet->rows))
        return QStringLiteral("a length or count is no number");
    if (!readShape(fields[ShapeColumn], &sheet->shape))
        return QStringLiteral("unknown shape \"%1\"").arg(fields[ShapeColumn]);
    return sheetProblemEnglish(sheet->problem());
}

// The optional columns after the source, each with its tab; none for A4.
QString paperFields(const LabelSheet &sheet) {
    auto number = [](double value) {
        return QString::number(value, 'g', 10);
    };
    if (sheet.paper == Paper::Letter)
        return QLatin1Char('\t') + letterPaper;
    if (sheet.paper != Paper::Roll)
        return {};
    return QStringList{QString(), sheet.continuous ? tapePaper : rollPaper,
                       sheet.turned ? turnedRoll : uprightRoll, number(sheet.unprintableAcross),
                       number(sheet.unprintableAlong)}
        .join(QLatin1Char('\t'));
}

QString searchTextOf(const LabelSheet &sheet) {
    const QString size = formatLabelSize(sheet, QLatin1Char('.'));
    return normalisedSearchText(
        sheet.maker + QLatin1Char(' ') + sheet.codes.join(QLatin1Char(' ')) + QLatin1Char(' ') +
        sheet.description + QLatin1Char(' ') + size + QStringLiteral(" mm"));
}
} // namespace

QString toTsvLine(const LabelSheet &sheet) {
    auto number = [](double value) {
        return QString::number(value, 'g', 10);
    };
    auto clean = [](QString text) {
        return text.replace(QLatin1Char('\t'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
    };
    const char *shape = sheet.shape == LabelShape::Round     ? "round"
                        : sheet.shape == LabelShape::Ellipse ? "ellipse"
                                                             : "rect";
    return QStringList{clean(sheet.codes.join(QLatin1Char(','))),
                       clean(sheet.maker),
                       clean(sheet.description),
                       number(sheet.labelWidth),
                       number(sheet.labelHeight),
                       number(sheet.cornerRadius),
                       QLatin1String(shape),
                       QString::number(sheet.columns),
                       QString::number(sheet.rows),
                       number(sheet.leftMargin),
                       number(sheet.topMargin),
                       number(sheet.horizontalPitch),
                       number(sheet.verticalPitch),
                       clean(sheet.source)}
               .join(QLatin1Char('\t')) +
           paperFields(sheet);
}

QString normalisedSearchText(const QString &text) {
    static const QRegularExpression spacedTimes(QStringLiteral(R"(\s*[x×]\s*(?=[\d.,]))"));
    QString normal = text.toLower();
    normal.replace(QLatin1Char(','), QLatin1Char('.'));
    normal.replace(spacedTimes, QStringLiteral("x"));
    return normal;
}

const LabelSheetCatalogue &LabelSheetCatalogue::builtIn() {
    static const LabelSheetCatalogue catalogue = [] {
        QFile file(builtInCataloguePath);
        if (!file.open(QIODevice::ReadOnly))
            return LabelSheetCatalogue();
        return fromTsv(QString::fromUtf8(file.readAll()));
    }();
    return catalogue;
}

LabelSheetCatalogue LabelSheetCatalogue::fromTsv(const QString &text, QStringList *problems) {
    LabelSheetCatalogue catalogue;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype index = 0; index < lines.size(); ++index) {
        QString line = lines[index];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        LabelSheet sheet;
        const QString problem = readSheetLine(line.split(QLatin1Char('\t')), &sheet);
        if (problem.isEmpty())
            catalogue.add(sheet);
        else if (problems)
            problems->append(QStringLiteral("line %1: %2").arg(index + 1).arg(problem));
    }
    return catalogue;
}

void LabelSheetCatalogue::add(const LabelSheet &sheet) {
    all.append(sheet);
    searchTexts.append(searchTextOf(sheet));
}

const LabelSheet *LabelSheetCatalogue::findCode(const QString &code) const {
    const QString wanted = code.trimmed();
    for (const LabelSheet &sheet : all)
        for (const QString &candidate : sheet.codes)
            if (candidate.compare(wanted, Qt::CaseInsensitive) == 0)
                return &sheet;
    return nullptr;
}

QList<qsizetype> LabelSheetCatalogue::search(const QString &query) const {
    const QStringList words =
        normalisedSearchText(query).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<qsizetype> found;
    for (qsizetype index = 0; index < searchTexts.size(); ++index) {
        const QString &text = searchTexts[index];
        const bool matches = std::all_of(words.begin(), words.end(), [&text](const QString &word) {
            return text.contains(word);
        });
        if (matches)
            found.append(index);
    }
    return found;
}
