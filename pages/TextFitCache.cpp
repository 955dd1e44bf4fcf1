#include "pages/TextFitCache.h"

#include <QPaintDevice>

FittedText TextFitCache::fit(const QStringList &lines, const QFont &font, const QSizeF &box,
                             qreal smallestPointSize, const QPaintDevice *device) {
    Key key{lines,
            font,
            box.width(),
            box.height(),
            smallestPointSize,
            device ? device->logicalDpiX() : 0,
            device ? device->logicalDpiY() : 0};
    if (const FittedText *found = kept.object(key))
        return *found;
    ++made;
    FittedText fitted = fitText(lines, font, box, smallestPointSize, device);
    kept.insert(std::move(key), new FittedText(fitted));
    return fitted;
}
