#include "pages/QPagePreview.h"

#include "pages/CaseFolding.h"
#include "pages/LabelCursor.h"
#include "pages/LabelSearch.h"
#include "pages/LabelTextBlock.h"
#include "pages/PrintRange.h"
#include "pages/TextFit.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
constexpr qreal pointsPerInch = 72.0;
// Where no screen reports its size, the usual desktop density.
constexpr qreal fallbackDotsPerInch = 96.0;
// The ground around the sheet, so the white sheet stands out.
const QColor previewGround(128, 128, 128);
constexpr int scrollStepPx = 20;
// Lines under the name shrink together with it, the name down to this size.
constexpr qreal smallestLabelLinePoints = 6;
// Kept free between a name and its label's edge, so a fitted name never
// touches the cut.
constexpr qreal innerMarginXMm = 1.5;
constexpr qreal innerMarginYMm = 0.5;

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

QPagePreview::QPagePreview(QWidget *parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
}

void QPagePreview::setLabelDimensions(int width, int height) {
    const PageLayout layout = PageLayout::forLabelSize(width, height);
    labelWidth = layout.labelWidth;
    labelHeight = layout.labelHeight;
    labelColumns = layout.columns;
    labelRows = layout.rows;
    labelsPerPage = layout.labelsPerPage();
    gridRect = layout.grid;
    currentPage = std::min(currentPage, lastPageIndex());
    viewport()->update();
    emit pageChanged();
}

PageLayout QPagePreview::pageLayout() const {
    return {labelWidth, labelHeight, labelColumns, labelRows, gridRect};
}

void QPagePreview::setLabelSheet(std::optional<LabelSheet> sheet) {
    chosenSheet = std::move(sheet);
    startSlot = 0;
    currentPage = std::min(currentPage, lastPageIndex());
    viewport()->update();
    emit pageChanged();
}

LabelSheet QPagePreview::labelSheet() const {
    return chosenSheet ? *chosenSheet : LabelSheet::fromPageLayout(pageLayout());
}

void QPagePreview::setStartSlot(std::int64_t slot) {
    const std::int64_t perPage = labelSheet().labelsPerPage();
    startSlot = perPage > 0 ? std::clamp<std::int64_t>(slot, 0, perPage - 1) : 0;
    currentPage = std::min(currentPage, lastPageIndex());
    viewport()->update();
    emit pageChanged();
}

int QPagePreview::pageCount() const {
    const std::int64_t pages = labelSheet().pageCount(labels.totalCopies(), startSlot);
    return int(std::min<std::int64_t>(pages, INT_MAX));
}

int QPagePreview::lastPageIndex() const {
    return pageCount() - 1;
}

bool QPagePreview::findName(const QString &text) {
    searchText = text;
    foldedSearch = foldCase(text);
    const auto copy = firstCopyMatching(labels, text);
    if (copy) {
        const std::int64_t page = labelSheet().positionOfCopy(*copy, startSlot).page;
        currentPage = int(std::min<std::int64_t>(page, INT_MAX));
    }
    viewport()->update();
    emit pageChanged();
    return copy.has_value();
}

void QPagePreview::setLabels(LabelMap newLabels) {
    labels = std::move(newLabels);
    currentPage = 0;
    viewport()->update();
    emit pageChanged();
}

bool QPagePreview::showNextPage() {
    if (currentPage >= lastPageIndex())
        return false;
    showPage(std::int64_t(currentPage) + 1);
    return true;
}

bool QPagePreview::showPreviousPage() {
    if (currentPage <= 0)
        return false;
    showPage(std::int64_t(currentPage) - 1);
    return true;
}

void QPagePreview::showPage(std::int64_t page) {
    currentPage = int(std::clamp<std::int64_t>(page, 0, lastPageIndex()));
    viewport()->update();
    emit pageChanged();
}

void QPagePreview::showTypedPage(const QString &typed) {
    const QString digits = typed.trimmed();
    const bool isNumber =
        !digits.isEmpty() &&
        std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!isNumber) {
        emit pageChanged();
        return;
    }
    bool fits = false;
    const qlonglong number = digits.toLongLong(&fits);
    // Only digits: a number too long for 64 bits is past the last page.
    showPage(fits ? number - 1 : std::int64_t(lastPageIndex()));
}

void QPagePreview::setZoom(int percent) {
    const int wanted = std::max(0, percent);
    if (wanted == zoom.percent)
        return;
    zoom.percent = wanted;
    updateScrollBars();
    viewport()->update();
    emit zoomChanged(zoom.percent);
}

qreal QPagePreview::screenPixelsPerMm() const {
    const QScreen *shownOn = screen();
    const qreal dpi = shownOn && shownOn->physicalDotsPerInch() > 0 ? shownOn->physicalDotsPerInch()
                                                                    : fallbackDotsPerInch;
    return dpi / millimetresPerInch;
}

qreal QPagePreview::previewScale() const {
    return zoom.scale(QSizeF(viewport()->size()), screenPixelsPerMm());
}

QPoint QPagePreview::sheetOrigin() const {
    const QSizeF sheet = sheetSizeMm * previewScale();
    const QSize room = viewport()->size();
    // Centred while the sheet fits, else scrolled.
    auto along = [](qreal sheetLength, int roomLength, int scrolled) {
        if (sheetLength + 2 * previewMarginPx <= roomLength)
            return int(std::floor((roomLength - sheetLength) / 2));
        return previewMarginPx - scrolled;
    };
    return {along(sheet.width(), room.width(), horizontalScrollBar()->value()),
            along(sheet.height(), room.height(), verticalScrollBar()->value())};
}

void QPagePreview::updateScrollBars() {
    const QSizeF sheet = sheetSizeMm * previewScale();
    const QSize room = viewport()->size();
    auto setUp = [](QScrollBar *bar, qreal sheetLength, int roomLength) {
        const int beyond = int(std::ceil(sheetLength + 2 * previewMarginPx)) - roomLength;
        bar->setRange(0, std::max(0, beyond));
        bar->setPageStep(roomLength);
        bar->setSingleStep(scrollStepPx);
    };
    setUp(horizontalScrollBar(), sheet.width(), room.width());
    setUp(verticalScrollBar(), sheet.height(), room.height());
}

qreal QPagePreview::labelPointSize() const {
    // A font given in pixels is taken as pixels of a usual desktop screen.
    return labelFont.pointSizeF() > 0 ? labelFont.pointSizeF()
                                      : labelFont.pixelSize() * pointsPerInch / fallbackDotsPerInch;
}

QFont QPagePreview::labelFontAtScale(qreal scale, const QPaintDevice &device) const {
    QFont font = labelFont;
    const qreal points = labelPointSize();
    // The device turns points into its own units at its logical density;
    // the label wants points / 72 inches at scale units per millimetre.
    const qreal dpi = device.logicalDpiY() > 0 ? device.logicalDpiY() : fallbackDotsPerInch;
    font.setPointSizeF(points * scale * millimetresPerInch / dpi);
    // Unhinted, so letters keep their printed widths at every zoom.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void QPagePreview::drawLabelLines(QPainter &painter, const QRectF &box, const QStringList &lines,
                                  const QFont &font, qreal) const {
    // The smallest size on paper, in the units of the font at this scale.
    const qreal smallest = smallestLabelLinePoints * font.pointSizeF() / labelPointSize();
    const LabelTextBlock block =
        LabelTextBlock::fit(lines, font, box.size(), smallest, painter.device());
    block.draw(painter, box);
}

std::int64_t QPagePreview::drawLabelPage(QPainter &painter, int page, qreal scale,
                                         bool highlightSearch) const {
    const LabelSheet sheet = labelSheet();
    const std::int64_t perPage = sheet.labelsPerPage();
    if (perPage <= 0 || page < 0)
        return 0;
    // The grid always shows its frames; a chosen sheet's die-cut labels only
    // on the screen, or on paper when asked for.
    const bool frames = !chosenSheet || highlightSearch || framesOnPaper;
    const std::int64_t firstSlot = sheet.firstSlotOnPage(page, startSlot);
    const QFont font = labelFontAtScale(scale, *painter.device());
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
        const bool highlighted =
            highlightSearch && highlightsFolded(cursor.current().foldedName, foldedSearch);
        painter.setBrush(highlighted ? Qt::yellow : Qt::white);
        if (frames || highlighted)
            drawOutline(painter, sheet, label, scale);
        const QRectF textBox = label.adjusted(innerMarginXMm * scale, innerMarginYMm * scale,
                                              -innerMarginXMm * scale, -innerMarginYMm * scale);
        painter.save();
        // What fitting cannot shrink further (a label lower than one line)
        // is cut at the label's edge rather than drawn on its neighbour.
        painter.setClipRect(label, Qt::IntersectClip);
        if (cursor.moreLines().isEmpty()) {
            const FittedText fitted =
                fitText(cursor.name(), font, textBox.size(), painter.device());
            painter.setFont(fitted.font);
            painter.drawText(textBox, Qt::AlignCenter, fitted.lines.join(QLatin1Char('\n')));
        } else {
            drawLabelLines(painter, textBox, QStringList{cursor.name()} + cursor.moreLines(), font,
                           scale);
        }
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
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), previewGround);
    const qreal scale = previewScale();
    painter.translate(sheetOrigin());
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(QRectF(QPointF(0, 0), sheetSizeMm * scale));
    drawLabelPage(painter, currentPage, scale, true);
}

void QPagePreview::resizeEvent(QResizeEvent *event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void QPagePreview::scrollContentsBy(int, int) {
    viewport()->update();
}

void QPagePreview::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_PageDown:
        showNextPage();
        break;
    case Qt::Key_PageUp:
        showPreviousPage();
        break;
    // With or without Ctrl, as in documents.
    case Qt::Key_Home:
        showFirstPage();
        break;
    case Qt::Key_End:
        showLastPage();
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void QPagePreview::wheelEvent(QWheelEvent *event) {
    if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const qreal shownPercent = previewScale() / screenPixelsPerMm() * 100;
    setZoom(PreviewZoom::stepFrom(shownPercent, event->angleDelta().y() > 0 ? 1 : -1));
    event->accept();
}

void QPagePreview::preparePrintDialog(QPrintDialog &dialog) const {
    const PageSpan preset = presetPrintRange(currentPage, lastPageIndex());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, pageCount());
    dialog.setPrintRange(QAbstractPrintDialog::PageRange);
    dialog.setFromTo(preset.first, preset.last);
    dialog.setWindowTitle(tr("Labels drucken (A4-Bögen)"));
}

std::int64_t QPagePreview::printPageRange(QPrinter &printer, int firstPage, int lastPage) const {
    const LabelSheet sheet = labelSheet();
    // The label sheets are A4 (or a template's Letter) whatever the
    // printer's default paper.
    printer.setPageSize(
        QPageSize(sheet.paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    // Coordinates from the paper's corner, not from the printable area's.
    printer.setFullPage(true);
    const qreal scale = printer.resolution() / millimetresPerInch;
    QPainter painter;
    if (sheet.labelsPerPage() <= 0 || firstPage < 0 || !painter.begin(&printer))
        return 0;
    painter.translate(printOffsetMm * scale);
    std::int64_t printed = drawLabelPage(painter, firstPage, scale, false);
    // A new sheet only for a page that has labels, so no empty sheet at the end.
    for (std::int64_t page = std::int64_t(firstPage) + 1;
         page <= lastPage && sheet.firstCopyOnPage(page, startSlot) < labels.totalCopies();
         ++page) {
        printer.newPage();
        printed += drawLabelPage(painter, int(page), scale, false);
    }
    painter.end();
    return printed;
}

void QPagePreview::printPage() {
    if (labelSheet().labelsPerPage() <= 0) {
        tellNoLabelFits();
        return;
    }
    // Fractional millimetres and the requested point sizes need more than the
    // screen's 96 units per inch.
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, this);
    preparePrintDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PageSpan pages = chosenPrintPages(printer.fromPage(), printer.toPage(), lastPageIndex());
    printOffsetMm = printerOffsets.value(printer.printerName());
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
