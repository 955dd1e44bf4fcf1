#include "pages/PageLayout.h"

#include <algorithm>

PageLayout PageLayout::forLabelSize(int width, int height) {
    PageLayout layout;
    layout.labelWidth = width;
    layout.labelHeight = height;
    layout.columns = width > 0 ? sheetWidthMm / width : 0;
    // One row fewer than would fit, leaving room at the top and bottom edges
    // where many printers cannot print.
    layout.rows = height > 0 ? std::max(0, sheetHeightMm / height - 1) : 0;
    const int gridWidth = int(layout.columns * width);
    const int gridHeight = int(layout.rows * height);
    layout.grid = QRect((sheetWidthMm - gridWidth) / 2, (sheetHeightMm - gridHeight) / 2, gridWidth,
                        gridHeight);
    return layout;
}

GridCell PageLayout::cellOfSlot(std::int64_t slot) const {
    if (columns <= 0)
        return {};
    return {slot / columns, slot % columns};
}

QRect PageLayout::labelRect(std::int64_t slot) const {
    const GridCell cell = cellOfSlot(slot);
    return QRect(grid.left() + int(cell.column) * labelWidth,
                 grid.top() + int(cell.row) * labelHeight, labelWidth, labelHeight);
}

QRectF PageLayout::labelRectMm(std::int64_t slot) const {
    const GridCell cell = cellOfSlot(slot);
    return QRectF(grid.left() + qreal(cell.column) * labelWidth,
                  grid.top() + qreal(cell.row) * labelHeight, labelWidth, labelHeight);
}

std::int64_t PageLayout::pageCount(std::int64_t copies) const {
    const std::int64_t perPage = labelsPerPage();
    if (perPage <= 0 || copies <= 0)
        return 1;
    return copies / perPage + (copies % perPage != 0 ? 1 : 0);
}
