#include "pages/TestPage.h"

#include <QPainter>
#include <QPrinter>

namespace {
constexpr qreal crossArmMm = 4;
constexpr qreal tickMm = 1.5;
constexpr qreal halfCentimetreTickMm = 3;
constexpr qreal centimetreTickMm = 5;
constexpr int numberEveryMm = 10;
constexpr qreal scaleFontPoints = 6;

QLineF scaledLine(qreal x1, qreal y1, qreal x2, qreal y2, qreal scale) {
    return QLineF(x1 * scale, y1 * scale, x2 * scale, y2 * scale);
}

qreal tickLength(int mm) {
    if (mm % numberEveryMm == 0)
        return centimetreTickMm;
    return mm % (numberEveryMm / 2) == 0 ? halfCentimetreTickMm : tickMm;
}

void drawScales(QPainter &painter, const QSizeF &paperMm, qreal scale) {
    QFont font = painter.font();
    font.setPointSizeF(scaleFontPoints);
    painter.setFont(font);
    for (int mm = 1; mm < int(paperMm.width()); ++mm) {
        painter.drawLine(scaledLine(mm, 0, mm, tickLength(mm), scale));
        if (mm % numberEveryMm == 0)
            painter.drawText(QPointF((mm + 0.5) * scale, (centimetreTickMm + 2) * scale),
                             QString::number(mm));
    }
    for (int mm = 1; mm < int(paperMm.height()); ++mm) {
        painter.drawLine(scaledLine(0, mm, tickLength(mm), mm, scale));
        if (mm % numberEveryMm == 0)
            painter.drawText(QPointF((centimetreTickMm + 0.5) * scale, (mm + 1) * scale),
                             QString::number(mm));
    }
}
} // namespace

void drawTestPage(QPainter &painter, const LabelSheet &sheet, qreal scale) {
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    for (std::int64_t slot = 0; slot < sheet.labelsPerPage(); ++slot) {
        const QRectF label = sheet.labelRect(slot);
        const QRectF onDevice(label.left() * scale, label.top() * scale, label.width() * scale,
                              label.height() * scale);
        if (sheet.shape != LabelShape::Rectangle)
            painter.drawEllipse(onDevice);
        else if (sheet.cornerRadius > 0)
            painter.drawRoundedRect(onDevice, sheet.cornerRadius * scale,
                                    sheet.cornerRadius * scale);
        else
            painter.drawRect(onDevice);
        const QPointF centre = label.center();
        painter.drawLine(scaledLine(centre.x() - crossArmMm, centre.y(), centre.x() + crossArmMm,
                                    centre.y(), scale));
        painter.drawLine(scaledLine(centre.x(), centre.y() - crossArmMm, centre.x(),
                                    centre.y() + crossArmMm, scale));
    }
    drawScales(painter, sheet.paperSizeMm(), scale);
    painter.restore();
}

bool printTestPage(QPrinter &printer, const LabelSheet &sheet, QPointF offsetMm) {
    printer.setFullPage(true);
    return printTestPage(static_cast<QPagedPaintDevice &>(printer), sheet, offsetMm);
}

bool printTestPage(QPagedPaintDevice &device, const LabelSheet &sheet, QPointF offsetMm) {
    const qreal scale = device.logicalDpiX() / millimetresPerInch;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.translate(offsetMm * scale);
    drawTestPage(painter, sheet, scale);
    painter.end();
    return true;
}
