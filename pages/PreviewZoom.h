#pragma once

#include "pages/PageLayout.h"
#include <QList>

#include <QSizeF>

// How large the preview shows the sheet: fitted to the space it has (the
// whole page visible), or a percentage of the sheet's true size on screen.
struct PreviewZoom {
    // The fixed zoom levels offered, in per cent of the true size.
    static QList<int> percentSteps();

    // 0 fits the whole page; otherwise per cent of the true size.
    int percent = 0;

    bool fitsPage() const { return percent <= 0; }

    // Device pixels per millimetre: for a fixed zoom the screen's pixels per
    // millimetre times the percentage; when fitting, the largest scale at
    // which the paper (A4 unless given) and its margin fit the viewport.
    qreal scale(QSizeF viewport, qreal screenPixelsPerMm, QSizeF paperMm = sheetSizeMm) const;

    // The next fixed level above (direction > 0) or below the scale shown now,
    // so zooming from the fitted page continues from what is on screen;
    // the smallest or largest level at the ends.
    static int stepFrom(qreal shownPercent, int direction);
};

// Room around the sheet in the preview, in pixels.
inline constexpr int previewMarginPx = 8;
