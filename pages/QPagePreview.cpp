#include "pages/QPagePreview.h"

#include "pages/LabelCursor.h"
#include "pages/LabelSearch.h"
#include "pages/PrintRange.h"
#include "pages/TextFit.h"

#include <QDebug>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <climits>

namespace {
constexpr qreal millimetresPerInch = 25.4;
constexpr int previewPointsBelowHeight = 2;
// Kept free between a name and its label's edge, so a fitted name never
// touches the cut.
constexpr qreal innerMarginXMm = 1.5;
constexpr qreal innerMarginYMm = 0.5;

QRectF scaled(const QRectF &mm, qreal scale) {
    return QRectF(mm.left() * scale, mm.top() * scale, mm.width() * scale, mm.height() * scale);
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

QPagePreview::QPagePreview(QWidget *parent) : QWidget(parent) {}

void QPagePreview::setLabelDimensions(int width, int height) {
    const PageLayout layout = PageLayout::forLabelSize(width, height);
    labelWidth = layout.labelWidth;
    labelHeight = layout.labelHeight;
    labelColumns = layout.columns;
    labelRows = layout.rows;
    labelsPerPage = layout.labelsPerPage();
    gridRect = layout.grid;
    update();
}

PageLayout QPagePreview::pageLayout() const {
    return {labelWidth, labelHeight, labelColumns, labelRows, gridRect};
}

void QPagePreview::setLabelSheet(std::optional<LabelSheet> sheet) {
    chosenSheet = std::move(sheet);
    startSlot = 0;
    currentPage = std::min(currentPage, lastPageIndex());
    update();
}

LabelSheet QPagePreview::labelSheet() const {
    return chosenSheet ? *chosenSheet : LabelSheet::fromPageLayout(pageLayout());
}

void QPagePreview::setStartSlot(std::int64_t slot) {
    const std::int64_t perPage = labelSheet().labelsPerPage();
    startSlot = perPage > 0 ? std::clamp<std::int64_t>(slot, 0, perPage - 1) : 0;
    currentPage = std::min(currentPage, lastPageIndex());
    update();
}

int QPagePreview::lastPageIndex() const {
    const std::int64_t pages = labelSheet().pageCount(labels.totalCopies(), startSlot);
    return int(std::min<std::int64_t>(pages - 1, INT_MAX));
}

void QPagePreview::findName(const QString &text) {
    searchText = text;
    if (const auto copy = firstCopyMatching(labels, text)) {
        const std::int64_t page = labelSheet().positionOfCopy(*copy, startSlot).page;
        currentPage = int(std::min<std::int64_t>(page, INT_MAX));
        qDebug().noquote() << "Found:" << currentPage;
    }
    update();
}

void QPagePreview::setLabels(LabelMap newLabels) {
    labels = std::move(newLabels);
    currentPage = 0;
    update();
}

bool QPagePreview::showNextPage() {
    if (currentPage >= lastPageIndex())
        return false;
    ++currentPage;
    update();
    return true;
}

bool QPagePreview::showPreviousPage() {
    if (currentPage <= 0)
        return false;
    --currentPage;
    update();
    return true;
}

QFont QPagePreview::previewFont() const {
    QFont font = labelFont;
    if (chosenSheet) {
        // One pixel per millimetre: the size the font has on paper.
        const qreal points = labelFont.pointSizeF() > 0 ? labelFont.pointSizeF() : 10;
        font.setPointSizeF(points * millimetresPerInch / std::max(1, logicalDpiY()));
        return font;
    }
    font.setPointSize(std::max(1, labelHeight - previewPointsBelowHeight));
    return font;
}

std::int64_t QPagePreview::drawLabelPage(QPainter &painter, int page, qreal scale,
                                         const QFont &font, bool highlightSearch) const {
    const LabelSheet sheet = labelSheet();
    const std::int64_t perPage = sheet.labelsPerPage();
    if (perPage <= 0 || page < 0)
        return 0;
    // The grid always shows its frames; a chosen sheet's die-cut labels only
    // on the screen, or on paper when asked for.
    const bool frames = !chosenSheet || highlightSearch || framesOnPaper;
    const std::int64_t firstSlot = sheet.firstSlotOnPage(page, startSlot);
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    if (chosenSheet && highlightSearch) {
        // The labels used up before the start position, greyed.
        painter.setBrush(Qt::lightGray);
        for (std::int64_t slot = 0; slot < firstSlot; ++slot)
            drawOutline(painter, sheet, scaled(sheet.labelRect(slot), scale), scale);
    }
    std::int64_t slot = firstSlot;
    for (LabelCursor cursor(labels, sheet.firstCopyOnPage(page, startSlot));
         !cursor.atEnd() && slot < perPage; cursor.next(), ++slot) {
        const QRectF label = scaled(sheet.labelRect(slot), scale);
        const bool highlighted = highlightSearch && highlightsName(cursor.name(), searchText);
        painter.setBrush(highlighted ? Qt::yellow : Qt::white);
        if (frames || highlighted)
            drawOutline(painter, sheet, label, scale);
        const QRectF textBox = label.adjusted(innerMarginXMm * scale, innerMarginYMm * scale,
                                              -innerMarginXMm * scale, -innerMarginYMm * scale);
        const FittedText fitted = fitText(cursor.name(), font, textBox.size(), painter.device());
        painter.setFont(fitted.font);
        painter.save();
        painter.setClipRect(label, Qt::IntersectClip);
        painter.drawText(textBox, Qt::AlignCenter, fitted.lines.join(QLatin1Char('\n')));
        painter.restore();
    }
    if (chosenSheet && highlightSearch) {
        // The rest of the sheet, still empty.
        painter.setBrush(Qt::white);
        for (std::int64_t rest = slot; rest < perPage; ++rest)
            drawOutline(painter, sheet, scaled(sheet.labelRect(rest), scale), scale);
    }
    painter.restore();
    return slot - firstSlot;
}

void QPagePreview::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    // Halved in whole pixels first, so the sheet sits as it always has.
    painter.translate(width() / 2 - sheetWidthMm / 2.0, height() / 2 - sheetHeightMm / 2.0);
    painter.save();
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(QRect(0, 0, sheetWidthMm, sheetHeightMm));
    painter.restore();
    drawLabelPage(painter, currentPage, 1.0, previewFont(), true);
}

void QPagePreview::preparePrintDialog(QPrintDialog &dialog) const {
    const PageSpan preset = presetPrintRange(currentPage, lastPageIndex());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, lastPageIndex() + 1);
    dialog.setPrintRange(QAbstractPrintDialog::PageRange);
    dialog.setFromTo(preset.first, preset.last);
}

std::int64_t QPagePreview::printPageRange(QPrinter &printer, int firstPage, int lastPage) const {
    // Coordinates from the paper's corner, not from the printable area's.
    printer.setFullPage(true);
    const qreal scale = printer.resolution() / millimetresPerInch;
    const LabelSheet sheet = labelSheet();
    QPainter painter;
    if (sheet.labelsPerPage() <= 0 || firstPage < 0 || !painter.begin(&printer))
        return 0;
    painter.translate(printOffsetMm * scale);
    std::int64_t printed = drawLabelPage(painter, firstPage, scale, labelFont, false);
    // A new sheet only for a page that has labels, so no empty sheet at the end.
    for (std::int64_t page = std::int64_t(firstPage) + 1;
         page <= lastPage && sheet.firstCopyOnPage(page, startSlot) < labels.totalCopies();
         ++page) {
        printer.newPage();
        printed += drawLabelPage(painter, int(page), scale, labelFont, false);
    }
    painter.end();
    return printed;
}

void QPagePreview::printPage() {
    if (labelSheet().labelsPerPage() <= 0) {
        tellNoLabelFits();
        return;
    }
    QPrinter printer(QPrinter::ScreenResolution);
    QPrintDialog dialog(&printer, this);
    preparePrintDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PageSpan pages = chosenPrintPages(printer.fromPage(), printer.toPage(), lastPageIndex());
    printPageRange(printer, pages.first, pages.last);
}

void QPagePreview::tellNoLabelFits() {
    // Window-modal and opened without waiting, so nothing else is held up.
    auto *message = new QMessageBox(QMessageBox::Information, tr("Drucken"),
                                    tr("Bei dieser Labelgröße passt kein Label auf die Seite. "
                                       "Bitte eine kleinere Labelhöhe wählen."),
                                    QMessageBox::Ok, this);
    message->setObjectName(QStringLiteral("noLabelFitsMessage"));
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->setWindowModality(Qt::WindowModal);
    message->open();
}
