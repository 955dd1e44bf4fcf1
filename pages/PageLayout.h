#pragma once

#include <QRect>
#include <QRectF>
#include <QSizeF>

#include <cstdint>

// The sheet: A4 portrait, in millimetres.
inline constexpr int sheetWidthMm = 210;
inline constexpr int sheetHeightMm = 297;
inline constexpr double millimetresPerInch = 25.4;
inline const QSizeF sheetSizeMm(sheetWidthMm, sheetHeightMm);

// Row and column of a label slot in the grid of a page.
struct GridCell {
    std::int64_t row = 0;
    std::int64_t column = 0;
};

// The grid of equal labels on one sheet. Slots are numbered from 0 left to
// right, then top to bottom; neighbouring labels touch.
struct PageLayout {
    int labelWidth = 0;
    int labelHeight = 0;
    std::int64_t columns = 0;
    std::int64_t rows = 0;
    // Where the grid lies, in mm from the sheet's top-left corner.
    QRect grid;

    // As many columns as fit the sheet's width and one row fewer than fit its
    // height, centred on the sheet. A size that fits nothing gives 0 columns
    // or rows and so 0 labels per page.
    static PageLayout forLabelSize(int width, int height);

    std::int64_t labelsPerPage() const { return columns * rows; }
    GridCell cellOfSlot(std::int64_t slot) const;
    // The label of a slot, in mm from the sheet's top-left corner.
    QRect labelRect(std::int64_t slot) const;
    // The same in fractional millimetres: what the preview and the printer
    // draw, each scaled to its own device.
    QRectF labelRectMm(std::int64_t slot) const;
    // Pages needed for a number of copies: rounded up, at least 1. With no
    // label per page there is the one empty page.
    std::int64_t pageCount(std::int64_t copies) const;
};
