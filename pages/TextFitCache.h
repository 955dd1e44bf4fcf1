#pragma once

#include "pages/TextFit.h"

#include <QCache>
#include <QFont>
#include <QList>
#include <QSizeF>
#include <QStringList>

class QPaintDevice;

// Fitted label texts kept by their lines, the lines' looks, box and the
// device's density, so that painting a page again at the same scale
// (scrolling, another page and back) sets no text again. A zoom brings new
// fonts and boxes and so new fittings; the oldest are dropped beyond a bound.
class TextFitCache {
public:
    FittedText fit(const QStringList &lines, const QList<LineLook> &looks, const QSizeF &box,
                   qreal smallestPointSize, const QPaintDevice *device);
    FittedText fit(const QStringList &lines, const QFont &font, const QSizeF &box,
                   qreal smallestPointSize, const QPaintDevice *device) {
        return fit(lines, plainLooks(font), box, smallestPointSize, device);
    }
    // How many texts were fitted rather than found kept.
    qsizetype fittingsMade() const { return made; }

private:
    struct Key {
        QStringList lines;
        QList<LineLook> looks;
        qreal width = 0;
        qreal height = 0;
        qreal smallest = 0;
        int dotsPerInchX = 0;
        int dotsPerInchY = 0;
        friend bool operator==(const Key &, const Key &) = default;
        friend size_t qHash(const Key &key, size_t seed = 0) {
            return qHashMulti(seed, key.lines, key.looks, key.width, key.height, key.smallest,
                              key.dotsPerInchX, key.dotsPerInchY);
        }
    };
    // Some pages of labels at a few zoom steps.
    static constexpr qsizetype keptFittings = 4096;

    QCache<Key, FittedText> kept{keptFittings};
    qsizetype made = 0;
};
