#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPaintDevice;

// A text set to fit a box: the font to draw it in and its lines.
struct FittedText {
    QFont font;
    QStringList lines;
    // The lines' width and height together, in the device's units.
    QSizeF size;
};

// The smallest font size a name is set in before it breaks onto a second line.
inline constexpr qreal smallestFittingPointSize = 6;

// Sets a text in the largest size up to the font's own that fits the box,
// measured on the device (the box is in its units); down to
// smallestFittingPointSize on one line, then on two lines broken at the space
// nearest the middle (or mid-word for a single long word). A text that does
// not fit even so keeps the smallest size with each line cut short and an
// ellipsis, so it never reaches beyond the box.
FittedText fitText(const QString &text, const QFont &font, const QSizeF &box,
                   const QPaintDevice *device);
