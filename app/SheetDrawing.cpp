#include "app/SheetDrawing.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr int hintWidthPx = 160;
constexpr int hintHeightPx = 226; // A4's proportions
constexpr int marginPx = 4;
} // namespace

SheetDrawing::SheetDrawing(QWidget *parent) : QWidget(parent) {
    setMinimumSize(hintWidthPx / 2, hintHeightPx / 2);
}

void SheetDrawing::setSheet(const LabelSheet &sheet) {
    shown = sheet;
    update();
}

QSize SheetDrawing::sizeHint() const {
    return {hintWidthPx, hintHeightPx};
}

void SheetDrawing::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF paper = shown.paperSizeMm();
    const qreal scale = std::min((width() - 2 * marginPx) / paper.width(),
                                 (height() - 2 * marginPx) / paper.height());
    painter.translate((width() - paper.width() * scale) / 2,
                      (height() - paper.height() * scale) / 2);
    painter.setPen(QPen(Qt::darkGray, 0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(QPointF(0, 0), paper * scale));
    if (!shown.isValid())
        return;
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(QColor(230, 240, 255));
    for (std::int64_t slot = 0; slot < shown.labelsPerPage(); ++slot) {
        const QRectF mm = shown.labelRectOnPage(slot);
        const QRectF label(mm.topLeft() * scale, mm.size() * scale);
        if (shown.shape != LabelShape::Rectangle)
            painter.drawEllipse(label);
        else
            painter.drawRoundedRect(label, shown.cornerRadius * scale, shown.cornerRadius * scale);
    }
    if (shown.isRoll()) {
        // Where the label printer prints, as it feeds the label.
        const QMarginsF strips(shown.unprintableAcross, shown.unprintableAlong,
                               shown.unprintableAcross, shown.unprintableAlong);
        painter.setPen(QPen(Qt::darkGray, 0, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        const QRectF printable = QRectF(QPointF(0, 0), paper).marginsRemoved(strips);
        painter.drawRect(QRectF(printable.topLeft() * scale, printable.size() * scale));
    }
}
