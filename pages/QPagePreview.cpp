#include "pages/QPagePreview.h"

#include <QPainter>

namespace {
constexpr int sheetWidthMm = 210;
constexpr int sheetHeightMm = 297;
} // namespace

QPagePreview::QPagePreview(QWidget *parent) : QWidget(parent) {}

void QPagePreview::setLabelDimensions(int width, int height) {
    labelWidth = width;
    labelHeight = height;
    labelColumns = sheetWidthMm / width;
    // One row fewer than would fit, leaving room at the top and bottom edges.
    labelRows = sheetHeightMm / height - 1;
    labelsPerPage = labelColumns * labelRows;
    const int gridWidth = int(labelColumns * width);
    const int gridHeight = int(labelRows * height);
    gridRect = QRect((sheetWidthMm - gridWidth) / 2, (sheetHeightMm - gridHeight) / 2, gridWidth,
                     gridHeight);
    update();
}

int QPagePreview::lastPageIndex() const {
    return 0;
}

void QPagePreview::printPage() {}

void QPagePreview::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.translate(width() / 2 - sheetWidthMm / 2.0, height() / 2 - sheetHeightMm / 2.0);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(QRect(0, 0, sheetWidthMm, sheetHeightMm));
}
