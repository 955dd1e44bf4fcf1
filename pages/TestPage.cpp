#include "pages/TestPage.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {
constexpr qreal crossArmMm = 4;
constexpr qreal tickMm = 1.5;
constexpr qreal halfCentimetreTickMm = 3;
constexpr qreal centimetreTickMm = 5;
constexpr int numberEveryMm = 10;
constexpr qreal scaleFontPoints = 6;
// A scale's number sits in the corner of its centimetre tick, clear of the
// millimetre ticks, so it stays within the scale's own band.
constexpr qreal numberGapMm = 0.5;
constexpr qreal instructionFontPoints = 7;
// The instructions begin right of the left scale's numbers.
constexpr qreal instructionLeftMm = 2 * centimetreTickMm;

QLineF scaledLine(qreal x1, qreal y1, qreal x2, qreal y2, qreal scale) {
    return QLineF(x1 * scale, y1 * scale, x2 * scale, y2 * scale);
}

qreal tickLength(int mm) {
    if (mm % numberEveryMm == 0)
        return centimetreTickMm;
    return mm % (numberEveryMm / 2) == 0 ? halfCentimetreTickMm : tickMm;
}

QFont fontOfSize(const QPainter &painter, qreal points) {
    QFont font = painter.font();
    font.setPointSizeF(points);
    return font;
}

void drawScales(QPainter &painter, const QSizeF &paperMm, qreal scale) {
    painter.setFont(fontOfSize(painter, scaleFontPoints));
    const qreal ascent = QFontMetricsF(painter.font(), painter.device()).ascent();
    const qreal clearOfTicks = (tickMm + numberGapMm) * scale;
    for (int mm = 1; mm < int(paperMm.width()); ++mm) {
        painter.drawLine(scaledLine(mm, 0, mm, tickLength(mm), scale));
        if (mm % numberEveryMm == 0)
            painter.drawText(QPointF((mm + numberGapMm) * scale, clearOfTicks + ascent),
                             QString::number(mm));
    }
    for (int mm = 1; mm < int(paperMm.height()); ++mm) {
        painter.drawLine(scaledLine(0, mm, tickLength(mm), mm, scale));
        if (mm % numberEveryMm == 0)
            painter.drawText(QPointF(clearOfTicks, (mm + numberGapMm) * scale + ascent),
                             QString::number(mm));
    }
}

// How to read the page, in the taller of the free bands above the first and
// below the last row of labels (the top one below the scale).
void drawInstructions(QPainter &painter, const LabelSheet &sheet, qreal scale) {
    const QStringList lines = {
        QCoreApplication::translate("TestPage", "Testseite auf einen Etikettenbogen legen und "
                                                "gegen das Licht halten."),
        QCoreApplication::translate("TestPage",
                                    "Abweichung der Kreuze von den Etikettenmitten an den Skalen "
                                    "ablesen und als Druckerkorrektur (→ ↓) eintragen.")};
    const qreal top = sheet.labelRect(0).top();
    const qreal bottom = sheet.labelRect(sheet.labelsPerPage() - 1).bottom();
    const qreal paperHeight = sheet.paperSizeMm().height();
    const bool above = top - centimetreTickMm > paperHeight - bottom;
    const qreal bandTop = above ? centimetreTickMm : bottom;
    const qreal bandHeight = above ? top - centimetreTickMm : paperHeight - bottom;

    painter.setFont(fontOfSize(painter, instructionFontPoints));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal lineMm = metrics.lineSpacing() / scale;
    qreal baseline =
        (bandTop + std::max<qreal>(0, bandHeight - lines.size() * lineMm) / 2) * scale +
        metrics.ascent();
    for (const QString &line : lines) {
        painter.drawText(QPointF(instructionLeftMm * scale, baseline), line);
        baseline += metrics.lineSpacing();
    }
}
} // namespace

void drawTestPage(QPainter &painter, const LabelSheet &sheet, qreal scale) {
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    for (std::int64_t slot = 0; slot < sheet.labelsPerPage(); ++slot) {
        const QRectF label = sheet.labelRectOnPage(slot);
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
    // A roll's label fills its page: no room for the instructions.
    if (sheet.labelsPerPage() > 0 && !sheet.isRoll())
        drawInstructions(painter, sheet, scale);
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
