#include "pages/TextFit.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {
// Sizes are tried in half points, which a reader cannot tell apart any finer.
constexpr qreal pointStep = 0.5;

// How the lines of one fitting are sized from the first line's size: the
// lines of the name (the first line, with the breaks its cell holds) alike,
// the lines under it smaller.
struct LineSizes {
    qsizetype nameLines = 1;
    static LineSizes allAlike(qsizetype lines) { return {lines}; }
};

QList<QFont> fontsAt(const QFont &font, qreal firstLinePoints, qsizetype lineCount,
                     LineSizes sizes) {
    QList<QFont> fonts;
    for (qsizetype line = 0; line < lineCount; ++line) {
        QFont sized = font;
        const bool smaller = line >= sizes.nameLines;
        // The font's own size stays untouched, as the font was chosen.
        if (firstLinePoints != font.pointSizeF() || smaller)
            sized.setPointSizeF(smaller ? firstLinePoints * laterLineScale : firstLinePoints);
        fonts << sized;
    }
    return fonts;
}

QSizeF measure(const QStringList &lines, const QList<QFont> &fonts, const QPaintDevice *device) {
    QSizeF size(0, 0);
    for (qsizetype line = 0; line < lines.size(); ++line) {
        const QFontMetricsF metrics(fonts.at(line), device);
        size.setWidth(std::max(size.width(), metrics.horizontalAdvance(lines.at(line))));
        size.setHeight(size.height() + metrics.height());
    }
    return size;
}

// A cell's line breaks are the label's: each line split where its text
// breaks. Counts the pieces of the first line.
QStringList splitAtBreaks(const QStringList &lines, qsizetype *nameLines) {
    static const QRegularExpression breaks(
        QStringLiteral("\\r\\n|[\\n\\r\\v\\f\\x{2028}\\x{2029}]"));
    QStringList split;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        split << lines.at(line).split(breaks);
        if (line == 0)
            *nameLines = split.size();
    }
    return split;
}

bool fits(const QSizeF &size, const QSizeF &box) {
    return size.width() <= box.width() && size.height() <= box.height();
}

// The character boundary nearest the middle of a text: a break there splits
// no surrogate pair and no letter from its accents.
qsizetype graphemeMiddle(const QString &text) {
    const qsizetype middle = text.size() / 2;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    graphemes.setPosition(middle);
    if (graphemes.isAtBoundary())
        return middle;
    const qsizetype after = graphemes.toNextBoundary();
    graphemes.setPosition(middle);
    const qsizetype before = graphemes.toPreviousBoundary();
    if (before <= 0)
        return after;
    return after < 0 || middle - before <= after - middle ? before : after;
}

// The two lines of a text broken at the space nearest its middle, or in the
// middle of a text without spaces.
QStringList breakInTwo(const QString &text) {
    const qsizetype middle = text.size() / 2;
    qsizetype best = -1;
    for (qsizetype index = 0; index < text.size(); ++index)
        if (text[index].isSpace() &&
            (best < 0 || std::abs(index - middle) < std::abs(best - middle)))
            best = index;
    if (best < 0) {
        const qsizetype at = graphemeMiddle(text);
        return {text.left(at), text.mid(at)};
    }
    return {text.left(best).trimmed(), text.mid(best + 1).trimmed()};
}

// The size search: the largest first-line size in half points from the
// font's own down to the smallest at which the lines fit; none when even the
// smallest does not.
std::optional<qreal> largestFittingSize(const QStringList &lines, const QFont &font,
                                        const QSizeF &box, qreal smallest, LineSizes sizes,
                                        const QPaintDevice *device) {
    const qreal chosen = font.pointSizeF() > 0 ? font.pointSizeF() : smallest;
    auto fitsAt = [&](qreal points) {
        return fits(measure(lines, fontsAt(font, points, lines.size(), sizes), device), box);
    };
    if (fitsAt(chosen))
        return chosen;
    const qreal floor = std::min(chosen, smallest);
    if (!fitsAt(floor))
        return std::nullopt;
    // Binary search over the half-point steps: the lines grow with the size.
    qsizetype low = 0;
    qsizetype high = qsizetype(std::floor((chosen - floor) / pointStep));
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (fitsAt(floor + middle * pointStep))
            low = middle;
        else
            high = middle - 1;
    }
    return floor + low * pointStep;
}

FittedText setIn(const QStringList &lines, const QList<QFont> &fonts, const QPaintDevice *device) {
    const qreal dotsPerInch = device ? device->logicalDpiY() : 0;
    return {lines, fonts, measure(lines, fonts, device), false, dotsPerInch};
}

// At the smallest size: each line cut to the box's width, and only as many
// lines as the box's height holds (the first one always). Where lines are
// left off, the last one shown ends in an ellipsis, so nothing goes unmarked.
FittedText cutToBox(const QStringList &lines, const QList<QFont> &fonts, const QSizeF &box,
                    const QPaintDevice *device) {
    const qreal width = std::max<qreal>(0, box.width());
    QStringList cut;
    qreal height = 0;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        const QFontMetricsF metrics(fonts.at(line), device);
        height += metrics.height();
        if (line > 0 && height > box.height()) {
            const QFontMetricsF lastMetrics(fonts.at(line - 1), device);
            cut.last() =
                lastMetrics.elidedText(lines.at(line - 1) + u'\u2026', Qt::ElideRight, width);
            break;
        }
        cut << metrics.elidedText(lines.at(line), Qt::ElideRight, width);
    }
    return setIn(cut, fonts.first(cut.size()), device);
}

// One line too long at the smallest size, broken in two and fitted again; too
// long even so, on two lines where the box is high enough for them, else the
// whole text on one, cut to the box's width.
FittedText fitBrokenInTwo(const QString &text, const QFont &font, const QSizeF &box,
                          qreal smallestPointSize, const QPaintDevice *device) {
    const QStringList twoLines = breakInTwo(text);
    const LineSizes alike = LineSizes::allAlike(2);
    if (const auto size = largestFittingSize(twoLines, font, box, smallestPointSize, alike, device))
        return setIn(twoLines, fontsAt(font, *size, 2, alike), device);
    const qreal chosen = font.pointSizeF() > 0 ? font.pointSizeF() : smallestPointSize;
    const qreal smallest = std::min(chosen, smallestPointSize);
    const FittedText cut = cutToBox(twoLines, fontsAt(font, smallest, 2, alike), box, device);
    if (cut.lines.size() == 2)
        return cut;
    return cutToBox({text}, fontsAt(font, smallest, 1, LineSizes::allAlike(1)), box, device);
}
} // namespace

FittedText fitText(const QStringList &labelLines, const QFont &font, const QSizeF &box,
                   qreal smallestPointSize, const QPaintDevice *device) {
    LineSizes sizes;
    const QStringList lines = splitAtBreaks(labelLines, &sizes.nameLines);
    if (lines.isEmpty())
        return {};
    const bool oneLine = lines.size() == 1;
    const qreal chosen = font.pointSizeF() > 0 ? font.pointSizeF() : smallestPointSize;
    const qreal smallest = std::min(chosen, smallestPointSize);
    FittedText set;
    if (const auto size = largestFittingSize(lines, font, box, smallestPointSize, sizes, device))
        set = setIn(lines, fontsAt(font, *size, lines.size(), sizes), device);
    else if (!oneLine)
        set = cutToBox(lines, fontsAt(font, smallest, lines.size(), sizes), box, device);
    else
        set = fitBrokenInTwo(lines.first(), font, box, smallestPointSize, device);
    set.oneText = oneLine;
    return set;
}

QFont FittedText::fontOn(qsizetype line, const QPaintDevice *device) const {
    QFont font = fonts.at(line);
    const int deviceDotsPerInch = device ? device->logicalDpiY() : 0;
    // Points turn into units at the device's density: the size that gives
    // the fitting's units where the two densities differ.
    if (dotsPerInch > 0 && deviceDotsPerInch > 0 && deviceDotsPerInch != dotsPerInch)
        font.setPointSizeF(font.pointSizeF() * dotsPerInch / deviceDotsPerInch);
    return font;
}

void FittedText::draw(QPainter &painter, const QRectF &box) const {
    if (lines.isEmpty())
        return;
    if (oneText) {
        painter.setFont(fontOn(0, painter.device()));
        painter.drawText(box, Qt::AlignCenter, lines.join(QLatin1Char('\n')));
        return;
    }
    qreal top = box.top() + (box.height() - size.height()) / 2;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        const QFont font = fontOn(line, painter.device());
        painter.setFont(font);
        const qreal height = QFontMetricsF(font, painter.device()).height();
        painter.drawText(QRectF(box.left(), top, box.width(), height),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, lines.at(line));
        top += height;
    }
}
