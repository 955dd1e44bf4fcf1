#pragma once

#include <QFont>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPainter;
class QPaintDevice;

// The lines of a label set to fit a box: each line with its font.
struct FittedText {
    QStringList lines;
    QList<QFont> fonts; // one per line
    // The lines' width and height together, in the device's units.
    QSizeF size;
    // A label of one line is laid out as one text (also when broken in two),
    // a label of several lines line by line.
    bool oneText = false;
    // The density of the device the lines were fitted on; drawn on another
    // one, the fonts are sized so their letters measure the same units.
    qreal dotsPerInch = 0;

    // Draws the lines centred in the box, each line centred on its own.
    void draw(QPainter &painter, const QRectF &box) const;

private:
    QFont fontOn(qsizetype line, const QPaintDevice *device) const;
};

// The smallest font size a name is set in on paper before it breaks onto a
// second line (one line) or is cut short (several lines).
inline constexpr qreal smallestFittingPointSize = 6;
// The lines under the first are set at this share of its size.
inline constexpr qreal laterLineScale = 0.7;

// Sets the lines of a label (the first one at least) in the largest size up to
// the font's own that fits the box, measured on the device (the box is in its
// units), trying sizes in half points down to smallestPointSize (in the font's
// units). Several lines shrink together, the lines under the first at
// laterLineScale of its size. A line break inside a line (a cell's) breaks
// the label there, the pieces sized as the line they come from. One line that does not fit at the
// smallest size is broken in two at the space nearest its middle (mid-word for a single long word,
// between two characters) and fitted again. What does not fit even so keeps the smallest size, each
// line cut short with an ellipsis, and only as many lines as the box's height holds, the last one
// shown ending in an ellipsis when lines are left off, so nothing reaches beyond the box and
// nothing goes without a mark.
FittedText fitText(const QStringList &lines, const QFont &font, const QSizeF &box,
                   qreal smallestPointSize, const QPaintDevice *device);
