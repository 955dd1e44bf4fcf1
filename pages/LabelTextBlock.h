#pragma once

#include <QFont>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPainter;
class QPaintDevice;

// The lines of a label set together: the first in the label font, the lines
// under it at secondLineScale of its size, all shrunk alike until the block
// fits its box, never below a smallest size for the first line; at that size
// lines still too wide are cut short with an ellipsis and lines that no
// longer fit below are left off, so nothing reaches beyond the box.
struct LabelTextBlock {
    static constexpr qreal secondLineScale = 0.7;

    QStringList lines;
    QList<QFont> fonts; // one per line
    QSizeF size;        // the block's width and height, in the device's units

    // Sets the lines (the first one at least) for a box measured on the device.
    static LabelTextBlock fit(const QStringList &lines, const QFont &font, const QSizeF &box,
                              qreal smallestPointSize, const QPaintDevice *device);
    // Draws the block centred in the box, each line centred on its own.
    void draw(QPainter &painter, const QRectF &box) const;
};
