#include "pages/TextFit.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {
// Sizes are tried in half points, which a reader cannot tell apart any finer.
constexpr qreal pointStep = 0.5;

QFont atPointSize(const QFont &font, qreal points) {
    QFont sized = font;
    sized.setPointSizeF(points);
    return sized;
}

QSizeF measure(const QStringList &lines, const QFont &font, const QPaintDevice *device) {
    const QFontMetricsF metrics(font, device);
    qreal width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return {width, metrics.height() * lines.size()};
}

bool fits(const QSizeF &size, const QSizeF &box) {
    return size.width() <= box.width() && size.height() <= box.height();
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
    if (best < 0)
        return {text.left(middle), text.mid(middle)};
    return {text.left(best).trimmed(), text.mid(best + 1).trimmed()};
}

// The largest size in half points from the font's own down to the smallest
// at which the lines fit; 0 when even the smallest does not.
qreal largestFittingSize(const QStringList &lines, const QFont &font, const QSizeF &box,
                         const QPaintDevice *device) {
    const qreal chosen = font.pointSizeF() > 0 ? font.pointSizeF() : smallestFittingPointSize;
    if (fits(measure(lines, font, device), box))
        return chosen;
    // Binary search over the half-point steps: the width grows with the size.
    qsizetype low = 0; // smallestFittingPointSize
    qsizetype high = qsizetype(std::floor((chosen - smallestFittingPointSize) / pointStep));
    if (high < 0 || !fits(measure(lines, atPointSize(font, smallestFittingPointSize), device), box))
        return 0;
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        const qreal size = smallestFittingPointSize + mid * pointStep;
        if (fits(measure(lines, atPointSize(font, size), device), box))
            low = mid;
        else
            high = mid - 1;
    }
    return smallestFittingPointSize + low * pointStep;
}

FittedText setIn(const QStringList &lines, const QFont &font, const QPaintDevice *device) {
    return {font, lines, measure(lines, font, device)};
}
} // namespace

FittedText fitText(const QString &text, const QFont &font, const QSizeF &box,
                   const QPaintDevice *device) {
    const QStringList oneLine{text};
    if (const qreal size = largestFittingSize(oneLine, font, box, device); size > 0)
        return setIn(oneLine, size == font.pointSizeF() ? font : atPointSize(font, size), device);
    const QStringList twoLines = breakInTwo(text);
    if (const qreal size = largestFittingSize(twoLines, font, box, device); size > 0)
        return setIn(twoLines, atPointSize(font, size), device);
    // Too long even so: the smallest size, on as many lines as the box holds
    // (one or two), each cut to the box's width.
    const QFont smallest = atPointSize(
        font, std::min(font.pointSizeF() > 0 ? font.pointSizeF() : smallestFittingPointSize,
                       smallestFittingPointSize));
    const QFontMetricsF metrics(smallest, device);
    const QStringList kept = metrics.height() * 2 <= box.height() ? twoLines : oneLine;
    QStringList cut;
    for (const QString &line : kept)
        cut.append(metrics.elidedText(line, Qt::ElideRight, std::max<qreal>(0, box.width())));
    return setIn(cut, smallest, device);
}
