#include "pages/LabelTextBlock.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
// Sizes are tried in half points, which a reader cannot tell apart any finer.
constexpr qreal pointStep = 0.5;

QList<QFont> fontsAt(const QFont &font, qreal firstLinePoints, qsizetype lineCount) {
    QList<QFont> fonts;
    for (qsizetype line = 0; line < lineCount; ++line) {
        QFont sized = font;
        sized.setPointSizeF(line == 0 ? firstLinePoints
                                      : firstLinePoints * LabelTextBlock::secondLineScale);
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

LabelTextBlock setIn(const QStringList &lines, QList<QFont> fonts, const QPaintDevice *device) {
    return {lines, fonts, measure(lines, fonts, device)};
}

// At the smallest size: each line cut to the box's width, and only as many
// lines as the box's height holds (the first one always).
LabelTextBlock cutToBox(const QStringList &lines, const QList<QFont> &fonts, const QSizeF &box,
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
} // namespace

LabelTextBlock LabelTextBlock::fit(const QStringList &lines, const QFont &font, const QSizeF &box,
                                   qreal smallestPointSize, const QPaintDevice *device) {
    if (lines.isEmpty())
        return {};
    const qreal chosen = font.pointSizeF() > 0 ? font.pointSizeF() : smallestPointSize;
    if (const QList<QFont> fonts = fontsAt(font, chosen, lines.size());
        fits(measure(lines, fonts, device), box))
        return setIn(lines, fonts, device);
    const qreal smallest = std::min(chosen, smallestPointSize);
    const QList<QFont> smallestFonts = fontsAt(font, smallest, lines.size());
    if (!fits(measure(lines, smallestFonts, device), box))
        return cutToBox(lines, smallestFonts, box, device);
    // Binary search over the half-point steps: the block grows with the size.
    qsizetype low = 0;
    qsizetype high = qsizetype(std::floor((chosen - smallest) / pointStep));
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (fits(measure(lines, fontsAt(font, smallest + middle * pointStep, lines.size()), device),
                 box))
            low = middle;
        else
            high = middle - 1;
    }
    return setIn(lines, fontsAt(font, smallest + low * pointStep, lines.size()), device);
}

void LabelTextBlock::draw(QPainter &painter, const QRectF &box) const {
    qreal top = box.top() + (box.height() - size.height()) / 2;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        painter.setFont(fonts.at(line));
        const qreal height = QFontMetricsF(fonts.at(line), painter.device()).height();
        painter.drawText(QRectF(box.left(), top, box.width(), height),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, lines.at(line));
        top += height;
    }
}
