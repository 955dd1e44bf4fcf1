#include "pages/LabelJob.h"

#include "pages/LabelCursor.h"
#include "pages/LabelSearch.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <climits>

namespace {
constexpr qreal pointsPerInch = 72.0;
// A font given in pixels is taken as pixels of a usual desktop screen.
constexpr qreal fallbackDotsPerInch = 96.0;
// Kept free between a name and its label's edge, so a fitted name never
// touches the cut.
constexpr qreal innerMarginXMm = 1.5;
constexpr qreal innerMarginYMm = 0.5;

// Labels are fitted in the units of paper at this density and the result is
// scaled to the device, so the screen at any zoom breaks and cuts the lines
// as the printer does.
constexpr int paperDotsPerInch = 1200;
constexpr qreal paperScale = paperDotsPerInch / millimetresPerInch;

const QPaintDevice &paperUnits() {
    static const QImage paper = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMetre = qRound(paperDotsPerInch / millimetresPerInch * 1000);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return paper;
}

QRectF scaled(const QRectF &mm, qreal scale) {
    return QRectF(mm.topLeft() * scale, mm.size() * scale);
}

void drawOutline(QPainter &painter, const LabelSheet &sheet, const QRectF &label, qreal scale) {
    if (sheet.shape == LabelShape::Rectangle && sheet.cornerRadius > 0)
        painter.drawRoundedRect(label, sheet.cornerRadius * scale, sheet.cornerRadius * scale);
    else if (sheet.shape == LabelShape::Rectangle)
        painter.drawRect(label);
    else
        painter.drawEllipse(label);
}
} // namespace

void LabelJob::setChosenSheet(std::optional<LabelSheet> sheet) {
    chosen = std::move(sheet);
    start = 0;
}

LabelSheet LabelJob::sheet() const {
    return chosen ? *chosen : LabelSheet::fromPageLayout(grid);
}

void LabelJob::setStartSlot(std::int64_t slot) {
    const std::int64_t perPage = sheet().labelsPerPage();
    start = perPage > 0 ? std::clamp<std::int64_t>(slot, 0, perPage - 1) : 0;
}

int LabelJob::pageCount() const {
    const std::int64_t pages = sheet().pageCount(list.totalCopies(), start);
    return int(std::min<std::int64_t>(pages, INT_MAX));
}

std::int64_t LabelJob::pageOfCopy(std::int64_t copy) const {
    return sheet().positionOfCopy(copy, start).page;
}

QList<QStringList> LabelJob::labelsOnPage(int page) const {
    const LabelSheet paper = sheet();
    QList<QStringList> labels;
    if (paper.labelsPerPage() <= 0 || page < 0)
        return labels;
    std::int64_t slot = paper.firstSlotOnPage(page, start);
    for (LabelCursor cursor(list, paper.firstCopyOnPage(page, start));
         !cursor.atEnd() && slot < paper.labelsPerPage(); cursor.next(), ++slot)
        labels << QStringList{cursor.name()} + cursor.moreLines();
    return labels;
}

qreal LabelJob::pointSize() const {
    return labelFont.pointSizeF() > 0 ? labelFont.pointSizeF()
                                      : labelFont.pixelSize() * pointsPerInch / fallbackDotsPerInch;
}

QFont LabelJob::fontAtScale(qreal scale, const QPaintDevice &device) const {
    QFont font = labelFont;
    // The device turns points into its own units at its logical density;
    // the label wants points / 72 inches at scale units per millimetre.
    const qreal dpi = device.logicalDpiY() > 0 ? device.logicalDpiY() : fallbackDotsPerInch;
    font.setPointSizeF(pointSize() * scale * millimetresPerInch / dpi);
    // Unhinted, so letters keep their printed widths at every zoom.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

std::int64_t LabelJob::drawPage(QPainter &painter, int page, qreal scale, Medium medium,
                                const QString &foldedSearch) const {
    const LabelSheet paper = sheet();
    const std::int64_t perPage = paper.labelsPerPage();
    if (perPage <= 0 || page < 0)
        return 0;
    const bool screen = medium == Medium::Screen;
    // The grid always shows its frames; a chosen sheet's die-cut labels only
    // on the screen, or on paper when asked for.
    const bool outlines = !chosen || screen || frames;
    const std::int64_t firstSlot = paper.firstSlotOnPage(page, start);
    const QFont font = fontAtScale(paperScale, paperUnits());
    // The smallest size on paper, in the units of the font at this scale.
    const qreal smallest = smallestFittingPointSize * font.pointSizeF() / pointSize();
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    if (chosen && screen) {
        // The labels used up before the start position, greyed.
        painter.setBrush(Qt::lightGray);
        for (std::int64_t slot = 0; slot < firstSlot; ++slot)
            drawOutline(painter, paper, scaled(paper.labelRect(slot), scale), scale);
    }
    std::int64_t slot = firstSlot;
    for (LabelCursor cursor(list, paper.firstCopyOnPage(page, start));
         !cursor.atEnd() && slot < perPage; cursor.next(), ++slot) {
        const QRectF label = scaled(paper.labelRect(slot), scale);
        const bool highlighted =
            screen && highlightsFolded(cursor.current().foldedName, foldedSearch);
        painter.setBrush(highlighted ? Qt::yellow : Qt::white);
        if (outlines || highlighted)
            drawOutline(painter, paper, label, scale);
        const QRectF textBoxMm = paper.labelRect(slot).adjusted(innerMarginXMm, innerMarginYMm,
                                                                -innerMarginXMm, -innerMarginYMm);
        painter.save();
        // What fitting cannot shrink further (a label lower than one line)
        // is cut at the label's edge rather than drawn on its neighbour.
        painter.setClipRect(label, Qt::IntersectClip);
        painter.translate(textBoxMm.topLeft() * scale);
        painter.scale(scale / paperScale, scale / paperScale);
        const QSizeF paperBox = textBoxMm.size() * paperScale;
        fits->fit(QStringList{cursor.name()} + cursor.moreLines(), font, paperBox, smallest,
                  &paperUnits())
            .draw(painter, QRectF(QPointF(0, 0), paperBox));
        painter.restore();
    }
    if (chosen && screen) {
        // The rest of the sheet, still empty.
        painter.setBrush(Qt::white);
        for (std::int64_t rest = slot; rest < perPage; ++rest)
            drawOutline(painter, paper, scaled(paper.labelRect(rest), scale), scale);
    }
    painter.restore();
    return slot - firstSlot;
}

std::int64_t LabelJob::print(QPagedPaintDevice &device, int firstPage, int lastPage,
                             QPointF offsetMm) const {
    const LabelSheet paper = sheet();
    // The label sheets are A4 (or a template's Letter) whatever the
    // device's default paper.
    device.setPageSize(QPageSize(paper.paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    const qreal scale = device.logicalDpiX() / millimetresPerInch;
    QPainter painter;
    if (paper.labelsPerPage() <= 0 || firstPage < 0 || !painter.begin(&device))
        return 0;
    painter.translate(offsetMm * scale);
    std::int64_t printed = drawPage(painter, firstPage, scale, Medium::Paper);
    for (std::int64_t page = std::int64_t(firstPage) + 1;
         page <= lastPage && paper.firstCopyOnPage(page, start) < list.totalCopies(); ++page) {
        device.newPage();
        printed += drawPage(painter, int(page), scale, Medium::Paper);
    }
    painter.end();
    return printed;
}
