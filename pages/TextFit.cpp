#include "pages/TextFit.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {
// Sizes are tried in half points, which a reader cannot tell apart any finer.
constexpr qreal pointStep = 0.5;
// Lines too tall together shrink by a share found in this many halvings,
// finer than a reader can tell.
constexpr int shareSteps = 16;

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
// breaks, each piece in the look of the line it comes from.
QStringList splitAtBreaks(const QStringList &lines, const QList<LineLook> &looks,
                          QList<LineLook> *pieceLooks) {
    static const QRegularExpression breaks(
        QStringLiteral("\\r\\n|[\\n\\r\\v\\f\\x{2028}\\x{2029}]"));
    QStringList split;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        const QStringList pieces = lines.at(line).split(breaks);
        const LineLook look = looks.isEmpty() ? LineLook() : looks.value(line, looks.last());
        for (qsizetype piece = 0; piece < pieces.size(); ++piece)
            *pieceLooks << look;
        split << pieces;
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

qreal pointsOf(const QFont &font, qreal smallest) {
    return font.pointSizeF() > 0 ? font.pointSizeF() : smallest;
}

FittedText setIn(const QStringList &lines, const QList<QFont> &fonts, const QPaintDevice *device) {
    const qreal dotsPerInch = device ? device->logicalDpiY() : 0;
    FittedText set;
    set.lines = lines;
    set.fonts = fonts;
    set.size = measure(lines, fonts, device);
    set.dotsPerInch = dotsPerInch;
    return set;
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
    const qreal smallest = std::min(pointsOf(font, smallestPointSize), smallestPointSize);
    const FittedText cut = cutToBox(twoLines, fontsAt(font, smallest, 2, alike), box, device);
    if (cut.lines.size() == 2)
        return cut;
    return cutToBox({text}, fontsAt(font, smallest, 1, LineSizes::allAlike(1)), box, device);
}

// The single-line rule: the largest size that fits the box, else broken in two.
FittedText fitOneText(const QString &text, const QFont &font, const QSizeF &box,
                      qreal smallestPointSize, const QPaintDevice *device) {
    const LineSizes one = LineSizes::allAlike(1);
    if (const auto size = largestFittingSize({text}, font, box, smallestPointSize, one, device))
        return setIn({text}, fontsAt(font, *size, 1, one), device);
    return fitBrokenInTwo(text, font, box, smallestPointSize, device);
}

// One line of several set on the box's width alone: the largest size that
// fits, else broken in two, else cut short at the smallest size.
struct LineSet {
    QStringList pieces;
    QFont font;
    qreal floor = 0;
};

LineSet fitOnWidth(const QString &text, const QFont &font, qreal width, qreal smallestPointSize,
                   const QPaintDevice *device) {
    const QSizeF wide(width, std::numeric_limits<qreal>::max());
    const qreal floor = std::min(pointsOf(font, smallestPointSize), smallestPointSize);
    const LineSizes one = LineSizes::allAlike(1);
    if (const auto size = largestFittingSize({text}, font, wide, smallestPointSize, one, device))
        return {{text}, fontsAt(font, *size, 1, one).first(), floor};
    const QStringList two = breakInTwo(text);
    const LineSizes alike = LineSizes::allAlike(2);
    if (const auto size = largestFittingSize(two, font, wide, smallestPointSize, alike, device))
        return {two, fontsAt(font, *size, 2, alike).first(), floor};
    const QFont smallest = fontsAt(font, floor, 1, one).first();
    const QString cut =
        QFontMetricsF(smallest, device).elidedText(text, Qt::ElideRight, std::max<qreal>(0, width));
    return {{cut}, smallest, floor};
}

FittedText fitEachLine(const QStringList &lines, const QList<LineLook> &looks, const QSizeF &box,
                       qreal smallestPointSize, const QPaintDevice *device) {
    QStringList setLines;
    QList<QFont> fonts;
    QList<qreal> floors;
    QList<qsizetype> sources;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        const LineSet set =
            fitOnWidth(lines.at(line), looks.at(line).font, box.width(), smallestPointSize, device);
        for (const QString &piece : set.pieces) {
            setLines << piece;
            fonts << set.font;
            floors << set.floor;
            sources << line;
        }
    }
    // Too tall together: all lines shrink by one share, none below its floor.
    auto shrunk = [&](qreal share) {
        QList<QFont> sized = fonts;
        for (qsizetype line = 0; line < sized.size(); ++line)
            sized[line].setPointSizeF(
                std::max(floors.at(line), fonts.at(line).pointSizeF() * share));
        return sized;
    };
    FittedText set;
    if (measure(setLines, fonts, device).height() <= box.height()) {
        set = setIn(setLines, fonts, device);
    } else if (measure(setLines, shrunk(0), device).height() > box.height()) {
        set = cutToBox(setLines, shrunk(0), box, device);
    } else {
        qreal low = 0;
        qreal high = 1;
        for (int step = 0; step < shareSteps; ++step) {
            const qreal middle = (low + high) / 2;
            (measure(setLines, shrunk(middle), device).height() <= box.height() ? low : high) =
                middle;
        }
        set = setIn(setLines, shrunk(low), device);
    }
    for (qsizetype line = 0; line < set.lines.size(); ++line) {
        set.colours << looks.at(sources.at(line)).colour;
        set.alignments << looks.at(sources.at(line)).alignment;
    }
    return set;
}
} // namespace

FittedText fitText(const QStringList &lines, const QFont &font, const QSizeF &box,
                   qreal smallestPointSize, const QPaintDevice *device) {
    return fitLines(lines, plainLooks(font), box, smallestPointSize, device);
}

QList<LineLook> plainLooks(const QFont &font) {
    LineLook later{font};
    if (font.pointSizeF() > 0)
        later.font.setPointSizeF(font.pointSizeF() * laterLineScale);
    return {LineLook{font}, later};
}

FittedText fitLines(const QStringList &labelLines, const QList<LineLook> &looks, const QSizeF &box,
                    qreal smallestPointSize, const QPaintDevice *device) {
    QList<LineLook> pieceLooks;
    const QStringList lines = splitAtBreaks(labelLines, looks, &pieceLooks);
    if (lines.isEmpty())
        return {};
    FittedText set =
        lines.size() == 1
            ? fitOneText(lines.first(), pieceLooks.first().font, box, smallestPointSize, device)
            : fitEachLine(lines, pieceLooks, box, smallestPointSize, device);
    set.oneText = lines.size() == 1;
    if (set.oneText)
        for (qsizetype line = 0; line < set.lines.size(); ++line) {
            set.colours << pieceLooks.first().colour;
            set.alignments << pieceLooks.first().alignment;
        }
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
    painter.save();
    auto across = [&](qsizetype line) {
        const Qt::Alignment alignment = alignments.value(line, Qt::AlignHCenter);
        return alignment & Qt::AlignHorizontal_Mask ? alignment & Qt::AlignHorizontal_Mask
                                                    : Qt::AlignHCenter;
    };
    if (oneText) {
        painter.setFont(fontOn(0, painter.device()));
        painter.setPen(colours.value(0, Qt::black));
        painter.drawText(box, across(0) | Qt::AlignVCenter, lines.join(QLatin1Char('\n')));
        painter.restore();
        return;
    }
    qreal top = box.top() + (box.height() - size.height()) / 2;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        const QFont font = fontOn(line, painter.device());
        painter.setFont(font);
        painter.setPen(colours.value(line, Qt::black));
        const qreal height = QFontMetricsF(font, painter.device()).height();
        painter.drawText(QRectF(box.left(), top, box.width(), height),
                         across(line) | Qt::AlignTop | Qt::TextDontClip, lines.at(line));
        top += height;
    }
    painter.restore();
}
