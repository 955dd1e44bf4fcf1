#include "pages/LabelTemplate.h"

#include "pages/ColumnLookup.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

// The names of all columns, worked out once for a whole template.
class ColumnNames {
public:
    explicit ColumnNames(const QStringList &captions) : captions(captions) {
        QHash<QString, int> uses;
        for (const QString &caption : captions)
            ++uses[caption.trimmed()];
        names.reserve(captions.size());
        for (int column = 0; column < captions.size(); ++column) {
            const QString caption = captions.at(column).trimmed();
            // A caption "Spalte 2" on another column would take that column's name.
            const bool ownName = !caption.isEmpty() && uses.value(caption) == 1 &&
                                 !isNumberedColumnName(caption, captions.size());
            names << (ownName ? caption : numberedColumnName(column));
        }
    }

    QString name(int column) const {
        return column >= 0 && column < names.size() ? names.at(column) : QString();
    }

    int column(const QString &written) const {
        const ColumnLookup found = lookUpColumn(captions, written);
        return found.found() ? found.column : LabelTemplate::noColumn;
    }

private:
    QStringList captions;
    QStringList names;
};

// Splits one line's text into literal text and «fields». An opening mark
// without its closing mark, or with another opening mark before it, is
// literal text, and so is «».
LabelTemplate::Line parseLine(QStringView text, const ColumnNames &names) {
    LabelTemplate::Line line;
    QString literal;
    auto endLiteral = [&] {
        if (!literal.isEmpty())
            line.append({literal, LabelTemplate::noColumn, false});
        literal.clear();
    };
    for (qsizetype at = 0; at < text.size(); ++at) {
        const qsizetype closing = text.at(at) == LabelTemplate::fieldOpening
                                      ? text.indexOf(LabelTemplate::fieldClosing, at + 1)
                                      : -1;
        const QStringView inside =
            closing > at ? text.mid(at + 1, closing - at - 1) : QStringView();
        if (inside.isEmpty() || inside.contains(LabelTemplate::fieldOpening)) {
            literal += text.at(at);
            continue;
        }
        endLiteral();
        const QString caption = inside.toString();
        line.append({caption, names.column(caption), true});
        at = closing;
    }
    endLiteral();
    return line;
}

const QString *cellOf(const ImportedTable &table, int column, int row) {
    const auto columnData = table.constFind(column);
    if (columnData == table.cend())
        return nullptr;
    const auto cell = columnData->constFind(row);
    return cell == columnData->cend() ? nullptr : &*cell;
}

// The value of a field, empty when it has none.
QStringView valueOf(const LabelTemplate::Piece &field, const ImportedTable &table, int row) {
    const QString *cell = cellOf(table, field.column, row);
    return cell ? QStringView(*cell) : QStringView();
}

QString lineText(const LabelTemplate::Line &line, const ImportedTable &table, int row) {
    // A lone field shares its cell's text instead of copying it.
    if (line.size() == 1 && line.first().isField) {
        const QString *cell = cellOf(table, line.first().column, row);
        return cell ? *cell : QString();
    }
    QString opening; // literal text before the first field
    QString joint;   // literal text since the last field
    QString text;
    bool hasField = false;
    bool hasValue = false;
    for (const LabelTemplate::Piece &piece : line) {
        if (!piece.isField) {
            (hasField ? joint : opening) += piece.text;
            continue;
        }
        hasField = true;
        // The text before a field joins it to the value before it; it goes
        // when either of the two is missing.
        if (const QStringView value = valueOf(piece, table, row); !value.isEmpty()) {
            if (hasValue)
                text += joint;
            text += value;
            hasValue = true;
        }
        joint.clear();
    }
    if (!hasField)
        return opening;
    // What is left in joint follows the last field and closes the line.
    return hasValue ? opening + text + joint : QString();
}

} // namespace

LabelTemplate LabelTemplate::ofColumn(int column) {
    LabelTemplate labelTemplate;
    labelTemplate.lineList.append(Line{{QString(), column, true}});
    return labelTemplate;
}

LabelTemplate LabelTemplate::parse(const QString &text, const QStringList &captions) {
    return fromLines(splitLines(text), captions);
}

QStringList LabelTemplate::splitLines(const QString &text) {
    QStringList lineTexts{QString()};
    for (qsizetype at = 0; at < text.size(); ++at) {
        const bool escapedBar = text.at(at) == separatorEscape && at + 1 < text.size() &&
                                text.at(at + 1) == lineSeparator;
        if (escapedBar)
            lineTexts.last() += text.at(++at);
        else if (text.at(at) == lineSeparator)
            lineTexts << QString();
        else
            lineTexts.last() += text.at(at);
    }
    return lineTexts;
}

QString LabelTemplate::joinLines(const QStringList &lineTexts) {
    QStringList escaped;
    for (QString lineText : lineTexts)
        escaped << lineText.replace(lineSeparator, QString(separatorEscape) + lineSeparator);
    return escaped.join(lineSeparator);
}

LabelTemplate LabelTemplate::fromLines(const QStringList &lineTexts, const QStringList &captions) {
    const ColumnNames names(captions);
    LabelTemplate labelTemplate;
    for (qsizetype index = 0; index < lineTexts.size(); ++index) {
        if (index >= maximumLines) {
            labelTemplate.surplusLineCount = int(lineTexts.size() - maximumLines);
            break;
        }
        labelTemplate.lineList.append(parseLine(lineTexts.at(index), names));
    }
    return labelTemplate;
}

QString LabelTemplate::text(const QStringList &captions) const {
    const ColumnNames names(captions);
    QStringList lineTexts;
    for (const Line &line : lineList) {
        QString lineText;
        for (const Piece &piece : line) {
            if (!piece.isField)
                lineText += piece.text;
            else
                lineText += fieldOpening +
                            (piece.column == noColumn ? piece.text : names.name(piece.column)) +
                            fieldClosing;
        }
        lineTexts << lineText;
    }
    return joinLines(lineTexts);
}

bool LabelTemplate::isEmpty() const {
    return std::all_of(lineList.cbegin(), lineList.cend(),
                       [](const Line &line) { return line.isEmpty(); });
}

std::optional<int> LabelTemplate::soleColumn() const {
    if (lineList.size() != 1 || lineList.first().size() != 1)
        return std::nullopt;
    const Piece &piece = lineList.first().first();
    if (!piece.isField || piece.column == noColumn)
        return std::nullopt;
    return piece.column;
}

QList<int> LabelTemplate::columns() const {
    QSet<int> seen;
    for (const Line &line : lineList)
        for (const Piece &piece : line)
            if (piece.isField && piece.column != noColumn)
                seen.insert(piece.column);
    QList<int> sorted(seen.cbegin(), seen.cend());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

QStringList LabelTemplate::missingCaptions() const {
    QStringList missing;
    for (const Line &line : lineList)
        for (const Piece &piece : line)
            if (piece.isField && piece.column == noColumn && !missing.contains(piece.text))
                missing << piece.text;
    return missing;
}

QStringList LabelTemplate::labelLines(const ImportedTable &table, int row) const {
    QStringList labelLines;
    for (const Line &line : lineList)
        if (QString text = lineText(line, table, row); !isBlank(text))
            labelLines << std::move(text);
    return labelLines;
}

QStringList LabelTemplate::exampleLines(const ImportedTable &table) const {
    constexpr int firstRowUnderCaptions = 1;
    QList<int> rows;
    for (int column : columns()) {
        const ImportedColumn cells = table.value(column);
        for (auto cell = cells.cbegin(); cell != cells.cend(); ++cell)
            if (cell.key() >= firstRowUnderCaptions)
                rows.append(cell.key());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        if (QStringList lines = labelLines(table, row); !lines.isEmpty())
            return lines;
    return {};
}

bool isBlank(QStringView text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); });
}

QString columnName(const QStringList &captions, int column) {
    return ColumnNames(captions).name(column);
}

int columnOfName(const QStringList &captions, const QString &name) {
    return ColumnNames(captions).column(name);
}

QString fieldText(const QStringList &captions, int column) {
    return LabelTemplate::fieldOpening + columnName(captions, column) + LabelTemplate::fieldClosing;
}
