#include "pages/TextFitCache.h"

#include <QPaintDevice>

FittedText TextFitCache::fit(const QStringList &lines, const QList<LineLook> &looks,
                             const QSizeF &box, qreal smallestPointSize,
                             const QPaintDevice *device) {
    Key key{lines,
            looks,
            box.width(),
            box.height(),
            smallestPointSize,
            device ? device->logicalDpiX() : 0,
            device ? device->logicalDpiY() : 0};
    if (const FittedText *found = kept.object(key))
        return *found;
    ++made;
    FittedText fitted = fitLines(lines, looks, box, smallestPointSize, device);
    kept.insert(std::move(key), new FittedText(fitted));
    return fitted;
}
