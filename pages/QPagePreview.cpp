#include "pages/QPagePreview.h"

#include "pages/LabelCursor.h"
#include "pages/LabelSearch.h"
#include "pages/PrintRange.h"

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

int QPagePreview::lastPageIndex() const {
    const std::int64_t pages = pageLayout().pageCount(labels.totalCopies());
    return int(std::min<std::int64_t>(pages - 1, INT_MAX));
}

void QPagePreview::findName(const QString &text) {
    searchText = text;
    const std::int64_t perPage = pageLayout().labelsPerPage();
    if (const auto copy = firstCopyMatching(labels, text)) {
        currentPage = perPage > 0 ? int(std::min<std::int64_t>(*copy / perPage, INT_MAX)) : 0;
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
    font.setPointSize(std::max(1, labelHeight - previewPointsBelowHeight));
    return font;
}

std::int64_t QPagePreview::drawLabelPage(QPainter &painter, int page, qreal scale,
                                         const QFont &font, bool highlightSearch) const {
    const PageLayout layout = pageLayout();
    const std::int64_t perPage = layout.labelsPerPage();
    if (perPage <= 0 || page < 0)
        return 0;
    painter.save();
    painter.translate(layout.grid.left() * scale, layout.grid.top() * scale);
    painter.setFont(font);
    const QRect label(0, 0, int(layout.labelWidth * scale), int(layout.labelHeight * scale));
    std::int64_t slot = 0;
    for (LabelCursor cursor(labels, page * perPage); !cursor.atEnd() && slot < perPage;
         cursor.next(), ++slot) {
        const GridCell cell = layout.cellOfSlot(slot);
        const bool highlighted = highlightSearch && highlightsName(cursor.name(), searchText);
        painter.save();
        painter.translate(cell.column * layout.labelWidth * scale,
                          cell.row * layout.labelHeight * scale);
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(highlighted ? Qt::yellow : Qt::white);
        painter.drawRect(label);
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignVCenter, cursor.name());
        painter.restore();
    }
    painter.restore();
    return slot;
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
    const std::int64_t perPage = pageLayout().labelsPerPage();
    QPainter painter;
    if (perPage <= 0 || firstPage < 0 || !painter.begin(&printer))
        return 0;
    std::int64_t printed = drawLabelPage(painter, firstPage, scale, labelFont, false);
    // A new sheet only for a page that has labels, so no empty sheet at the end.
    for (std::int64_t page = std::int64_t(firstPage) + 1;
         page <= lastPage && page * perPage < labels.totalCopies(); ++page) {
        printer.newPage();
        printed += drawLabelPage(painter, int(page), scale, labelFont, false);
    }
    painter.end();
    return printed;
}

void QPagePreview::printPage() {
    if (pageLayout().labelsPerPage() <= 0) {
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
