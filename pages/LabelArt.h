#pragma once

#include "pages/LabelDesign.h"

#include <QString>

// Why a picture cannot be drawn (no bytes, not a PNG, JPEG or SVG that can be
// read), as a German sentence naming its file; empty when it can.
QString pictureProblem(const LabelPicture &picture);

// Why a code cannot be made of a text (too long for the symbology or the
// area, characters the symbology cannot hold, an EAN-13 that is not 12 or 13
// digits), as a German sentence; empty when it can.
QString codeProblem(const LabelCode &code, const QString &text);

#include <QImage>
#include <QRectF>
#include <QSizeF>

#include <memory>

class QPainter;
class QSvgRenderer;

// A picture read once and drawn many times: a raster image drawn at the
// device's resolution, or an SVG drawn as vectors (so a PDF keeps them).
class PictureArt {
public:
    explicit PictureArt(const QByteArray &bytes);
    bool isNull() const { return image.isNull() && !svg; }
    // The picture's own size, for its aspect.
    QSizeF size() const;
    // Draws the picture stretched into the rectangle (device units).
    void draw(QPainter &painter, const QRectF &target) const;

private:
    QImage image;
    std::shared_ptr<QSvgRenderer> svg;
};

// The rectangle of a picture of the given size placed in an area, its aspect
// kept: as large as fits and centred (contain), or covering the area (cover).
QRectF fittedInto(const QSizeF &picture, const QRectF &area, bool cover = false);

// Draws the code of a text as vectors, as large as the area (device units)
// allows with its aspect kept, centred, on white with its quiet zones; a
// two-dimensional code is square. Draws nothing where the symbology cannot
// hold the text. Codes made once are kept, so repainting makes none again.
void drawCode(QPainter &painter, CodeSymbology symbology, const QString &text, const QRectF &area);
