#include "pages/TextFit.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {
// Sizes are tried in half points, which a reader cannot tell apart any finer.
constexpr qreal pointStep = 0.5;

// How the lines of one fitting are sized from the first line's size.
enum class LineSizes { AllAlike, LaterSmaller };

QList<QFont> fontsAt(const QFont &font, qreal firstLinePoints, qsizetype lineCount,
                     LineSizes sizes) {
    QList<QFont> fonts;
    for (qsizetype line = 0; line < lineCount; ++line) {
        QFont sized = font;
        const bool smaller = line > 0 && sizes == LineSizes::LaterSmaller;
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
    return {lines, fonts, measure(lines, fonts, device)};
}

// At the smallest size: each line cut to the box's width, and only as many
// lines as the box's height holds (the first one always).
FittedText cutToBox(const QStringList &lines, const QList<QFont> &fonts, const QSizeF &box,
                    const QPaintDevice *device) {
    QStringList cut;
    qreal height = 0;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        const QFontMetricsF metrics(fonts.at(line), device);
        height += metrics.height();
        if (line > 0 && height > box.height())
            break;
        cut << metrics.elidedText(lines.at(line), Qt::ElideRight, std::max<qreal>(0, box.width()));
    }
    return setIn(cut, fonts.first(cut.size()), device);
}

// One line too long at the smallest size, broken in two and fitted again; too
// long even so, on two lines where the box is high enough for them, else the
// whole text on one, cut to the box's width.
FittedText fitBrokenInTwo(const QString &text, const QFont &font, const QSizeF &box,
                          qreal smallestPointSize, const QPaintDevice *device) {
    const QStringList twoLines = breakInTwo(text);
    if (const auto size =
            largestFittingSize(twoLines, font, box, smallestPointSize, LineSizes::AllAlike, device))
        return setIn(twoLines, fontsAt(font, *size, 2, LineSizes::AllAlike), device);
    const qreal chosen = font.pointSizeF() > 0 ? font.pointSizeF() : smallestPointSize;
    const qreal smallest = std::min(chosen, smallestPointSize);
    const FittedText cut =
        cutToBox(twoLines, fontsAt(font, smallest, 2, LineSizes::AllAlike), box, device);
    if (cut.lines.size() == 2)
        return cut;
    return cutToBox({text}, fontsAt(font, smallest, 1, LineSizes::AllAlike), box, device);
}
} // namespace

FittedText fitText(const QStringList &lines, const QFont &font, const QSizeF &box,
                   qreal smallestPointSize, const QPaintDevice *device) {
    if (lines.isEmpty())
        return {};
    const bool oneLine = lines.size() == 1;
    const LineSizes sizes = oneLine ? LineSizes::AllAlike : LineSizes::LaterSmaller;
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

void FittedText::draw(QPainter &painter, const QRectF &box) const {
    if (lines.isEmpty())
        return;
    if (oneText) {
        painter.setFont(fonts.first());
        painter.drawText(box, Qt::AlignCenter, lines.join(QLatin1Char('\n')));
        return;
    }
    qreal top = box.top() + (box.height() - size.height()) / 2;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        painter.setFont(fonts.at(line));
        const qreal height = QFontMetricsF(fonts.at(line), painter.device()).height();
        painter.drawText(QRectF(box.left(), top, box.width(), height),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, lines.at(line));
        top += height;
    }
}
