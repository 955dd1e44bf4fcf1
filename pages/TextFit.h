#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPainter;
class QPaintDevice;

// How one line of a label is set: its font at the largest size it may take,
// its colour and where it sits across the box.
struct LineLook {
    QFont font;
    QColor colour = Qt::black;
    // Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight.
    Qt::Alignment alignment = Qt::AlignHCenter;
    friend bool operator==(const LineLook &, const LineLook &) = default;
    friend size_t qHash(const LineLook &look, size_t seed = 0) {
        return qHashMulti(seed, look.font, look.colour.rgba(), int(look.alignment));
    }
};

// The lines of a label set to fit a box: each line with its font.
struct FittedText {
    QStringList lines;
    QList<QFont> fonts;              // one per line
    QList<QColor> colours;           // one per line
    QList<Qt::Alignment> alignments; // one per line
    // The lines' width and height together, in the device's units.
    QSizeF size;
    // A label of one line is laid out as one text (also when broken in two),
    // a label of several lines line by line.
    bool oneText = false;
    // The density of the device the lines were fitted on; drawn on another
    // one, the fonts are sized so their letters measure the same units.
    qreal dotsPerInch = 0;

    // Draws the lines centred in the box's height, each line across the box
    // as its alignment says.
    void draw(QPainter &painter, const QRectF &box) const;

private:
    QFont fontOn(qsizetype line, const QPaintDevice *device) const;
};

// The smallest font size a name is set in on paper before it breaks onto a
// second line (one line) or is cut short (several lines).
inline constexpr qreal smallestFittingPointSize = 6;
// The lines under the first are set at this share of its size.
inline constexpr qreal laterLineScale = 0.7;

// Sets the lines of a label (the first one at least) to fit a box, measured
// on the device (the box is in its units), each line in its look (lines
// beyond the looks given take the last look). A line break inside a line (a
// cell's) breaks it there, the pieces in that line's look.
//
// A label of one line takes the largest size up to its font's own that fits,
// trying sizes in half points down to smallestPointSize (in the font's
// units); too long even so, it is broken in two at the space nearest its
// middle (mid-word for a single long word, between two characters) and fitted
// again, and what does not fit then is cut short with an ellipsis.
//
// A label of several lines fits each line on the box's width on its own, so a
// long line shrinks itself and no other: down to smallestPointSize, then
// broken in two, then cut short. Lines too tall together shrink all in
// proportion, none below smallestPointSize (nor below its own size where that
// is smaller); too tall even so, only as many lines as the box's height holds
// are shown, the last one ending in an ellipsis, so nothing reaches beyond the
// box and nothing goes without a mark.
FittedText fitLines(const QStringList &lines, const QList<LineLook> &looks, const QSizeF &box,
                    qreal smallestPointSize, const QPaintDevice *device);

// The lines in one font and colour, centred: the first line in the font, the
// lines under it at laterLineScale of its size.
QList<LineLook> plainLooks(const QFont &font);
FittedText fitText(const QStringList &lines, const QFont &font, const QSizeF &box,
                   qreal smallestPointSize, const QPaintDevice *device);
