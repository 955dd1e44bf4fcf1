#include "pages/PreviewZoom.h"

#include "pages/PageLayout.h"

#include <algorithm>

namespace {
// A viewport too small for any sheet still draws it this large rather than
// at zero or a negative scale.
constexpr qreal smallestFittedScale = 0.1;
} // namespace

QList<int> PreviewZoom::percentSteps() {
    return {25, 50, 75, 100, 125, 150, 200, 300, 400};
}

qreal PreviewZoom::scale(QSizeF viewport, qreal screenPixelsPerMm, QSizeF paperMm) const {
    if (!fitsPage())
        return screenPixelsPerMm * percent / 100.0;
    const qreal across = (viewport.width() - 2 * previewMarginPx) / paperMm.width();
    const qreal down = (viewport.height() - 2 * previewMarginPx) / paperMm.height();
    return std::max(smallestFittedScale, std::min(across, down));
}

int PreviewZoom::stepFrom(qreal shownPercent, int direction) {
    const QList<int> steps = percentSteps();
    // Half a per cent of slack, so a level shown now counts as reached.
    constexpr qreal slack = 0.5;
    if (direction > 0) {
        for (int step : steps)
            if (step > shownPercent + slack)
                return step;
        return steps.last();
    }
    for (auto step = steps.crbegin(); step != steps.crend(); ++step)
        if (*step < shownPercent - slack)
            return *step;
    return steps.first();
}
