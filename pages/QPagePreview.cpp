#include "pages/QPagePreview.h"

#include "pages/CaseFolding.h"
#include "pages/LabelCursor.h"
#include "pages/LabelSearch.h"
#include "pages/PdfRunFile.h"
#include "pages/PrintRange.h"

#include <QKeyEvent>
#include <QLocale>
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
// Where no screen reports its size, the usual desktop density.
constexpr qreal fallbackDotsPerInch = 96.0;
// The ground around the sheet, so the white sheet stands out.
const QColor previewGround(128, 128, 128);
constexpr int scrollStepPx = 20;
} // namespace

QPagePreview::QPagePreview(QWidget *parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    confirmManyPages = [this](std::int64_t pages) {
        return askToPrintManyPages(pages);
    };
    runPrintDialog = [](QPrintDialog &dialog) {
        return dialog.exec() == QDialog::Accepted;
    };
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

const LabelJob &QPagePreview::labelJob() const {
    job.setGrid(pageLayout());
    job.setLabels(labels);
    job.setFont(labelFont);
    job.setSelectedEntries(picked.entries());
    return job;
}

void QPagePreview::showJobChange() {
    currentPage = std::min(currentPage, lastPageIndex());
    viewport()->update();
    emit pageChanged();
}

void QPagePreview::setLabelSheet(std::optional<LabelSheet> sheet) {
    job.setChosenSheet(std::move(sheet));
    // A Letter sheet brings paper of another size.
    updateScrollBars();
    showJobChange();
}

void QPagePreview::setStartSlot(std::int64_t slot) {
    labelJob();
    job.setStartSlot(slot);
    showJobChange();
}

void QPagePreview::setFramesOnPaper(bool on) {
    job.setFramesOnPaper(on);
}

void QPagePreview::setPrinterOffsets(const QMap<QString, QPointF> &offsets) {
    job.setPrinterOffsets(offsets);
}

void QPagePreview::setDesign(const LabelDesign &design) {
    job.setDesign(design);
    viewport()->update();
}

int QPagePreview::pageCount() const {
    return labelJob().pageCount();
}

int QPagePreview::lastPageIndex() const {
    return pageCount() - 1;
}

bool QPagePreview::findName(const QString &text) {
    searchText = text;
    foldedSearch = foldCase(text);
    matches = SearchMatches(labels, text);
    std::optional<std::int64_t> copy;
    if (text.isEmpty()) // finds no match but returns to the first name's page
        copy = firstCopyMatching(labels, text);
    else if (matches.next())
        copy = matches.currentCopy();
    if (copy)
        showCopy(*copy);
    viewport()->update();
    emit pageChanged();
    return copy.has_value();
}

bool QPagePreview::findNextName() {
    if (!matches.next())
        return false;
    showCopy(*matches.currentCopy());
    emit pageChanged();
    return true;
}

bool QPagePreview::findPreviousName() {
    if (!matches.previous())
        return false;
    showCopy(*matches.currentCopy());
    emit pageChanged();
    return true;
}

void QPagePreview::showCopy(std::int64_t copy) {
    currentPage = int(std::min<std::int64_t>(labelJob().pageOfCopy(copy), INT_MAX));
    viewport()->update();
}

void QPagePreview::setLabels(LabelMap newLabels) {
    labels = std::move(newLabels);
    // The entries picked were those of the list before.
    picked.clear();
    // The same search in the new list, none current until the next step.
    matches = SearchMatches(labels, searchText);
    currentPage = 0;
    viewport()->update();
    emit pageChanged();
}

std::optional<qsizetype> QPagePreview::labelAt(QPoint viewportPoint) const {
    const LabelJob &shown = labelJob();
    const LabelSheet paper = shown.sheet();
    const qreal scale = previewScale();
    if (paper.labelsPerPage() <= 0 || !(scale > 0))
        return std::nullopt;
    const QPointF mm = QPointF(viewportPoint - sheetOrigin()) / scale;
    const std::int64_t firstSlot = paper.firstSlotOnPage(currentPage, shown.startSlot());
    const std::int64_t firstCopy = paper.firstCopyOnPage(currentPage, shown.startSlot());
    for (std::int64_t slot = firstSlot; slot < paper.labelsPerPage(); ++slot) {
        if (!paper.labelRect(slot).contains(mm))
            continue;
        const LabelCursor cursor(labels, firstCopy + (slot - firstSlot));
        return cursor.atEnd() ? std::nullopt : std::optional<qsizetype>(cursor.entryIndex());
    }
    return std::nullopt;
}

void QPagePreview::clickLabel(qsizetype entry, LabelSelection::Click how) {
    if (entry < 0 || entry >= labels.size())
        return;
    picked.click(entry, how);
    viewport()->update();
}

qsizetype QPagePreview::selectSearchMatches() {
    const QList<qsizetype> found = entriesMatching(labels, searchText);
    picked.select(found);
    viewport()->update();
    return found.size();
}

void QPagePreview::clearSelection() {
    picked.clear();
    viewport()->update();
}

void QPagePreview::setPrintedRows(QSet<int> rows) {
    job.setPrintedRows(std::move(rows));
    viewport()->update();
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
    return zoom.scale(QSizeF(viewport()->size()), screenPixelsPerMm(), labelSheet().paperSizeMm());
}

QPoint QPagePreview::sheetOrigin() const {
    const QSizeF sheet = labelSheet().paperSizeMm() * previewScale();
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
    const QSizeF sheet = labelSheet().paperSizeMm() * previewScale();
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

std::int64_t QPagePreview::drawLabelPage(QPainter &painter, int page, qreal scale,
                                         bool highlightSearch) const {
    return labelJob().drawPage(painter, page, scale,
                               highlightSearch ? LabelJob::Medium::Screen : LabelJob::Medium::Paper,
                               foldedSearch);
}

void QPagePreview::paintEvent(QPaintEvent *) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), previewGround);
    const qreal scale = previewScale();
    painter.translate(sheetOrigin());
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(QRectF(QPointF(0, 0), labelSheet().paperSizeMm() * scale));
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
    const LabelSheet sheet = labelSheet();
    const QString range = printRangeText(preset, pageCount());
    if (sheet.isRoll())
        dialog.setWindowTitle(
            tr("Etiketten drucken (Rolle, %1 mm je Seite): %2").arg(formatLabelSize(sheet), range));
    else if (sheet.paper == Paper::Letter)
        dialog.setWindowTitle(tr("Labels drucken (Letter-Bögen): %1").arg(range));
    else
        dialog.setWindowTitle(tr("Labels drucken (A4-Bögen): %1").arg(range));
}

std::int64_t QPagePreview::printChosenPages(QPrinter &printer) {
    const PageSpan pages = chosenPrintPages(printer.fromPage(), printer.toPage(), lastPageIndex());
    if (!mayPrint(std::int64_t(pages.last) - pages.first + 1))
        return 0;
    return printPageRange(printer, pages.first, pages.last);
}

bool QPagePreview::askToPrintManyPages(std::int64_t pages) {
    const QString question =
        tr("%1 Seiten drucken? Eine Menge in der Liste ist vielleicht zu groß.")
            .arg(QLocale(QLocale::German, QLocale::Germany).toString(qlonglong(pages)));
    return QMessageBox::question(this, tr("Drucken"), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::int64_t QPagePreview::printPageRange(QPrinter &printer, int firstPage, int lastPage) const {
    // Coordinates from the paper's corner, not from the printable area's.
    printer.setFullPage(true);
    return printRun(printer, labelJob(), firstPage, lastPage);
}

std::int64_t QPagePreview::printRun(QPrinter &printer, const LabelJob &job, int firstPage,
                                    int lastPage) const {
    PdfRunFile file(printer);
    const PageProgress shown = printProgress ? printProgress() : PageProgress();
    bool cancelled = false;
    const std::int64_t printed =
        job.print(printer, firstPage, lastPage, job.printerOffset(printer.printerName()),
                  [&](int page, int pages) {
                      cancelled = shown && !shown(page, pages);
                      return !cancelled;
                  });
    return !cancelled && file.keep() ? printed : 0;
}

void QPagePreview::printPage() {
    printFromDialog(selectedLabels(), false);
}

void QPagePreview::printSelection() {
    printFromDialog(selectedLabels(), true);
}

void QPagePreview::printLabel(qsizetype entry) {
    if (entry < 0 || entry >= labels.size())
        return;
    LabelEntry one = labels.at(entry);
    one.quantity = 1;
    LabelMap single;
    single.append(one);
    printFromDialog(single, true);
}

void QPagePreview::printFromDialog(const LabelMap &selection, bool selectionChosen) {
    if (labelSheet().labelsPerPage() <= 0) {
        tellNoLabelFits();
        return;
    }
    // Fractional millimetres and the requested point sizes need more than the
    // screen's 96 units per inch.
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(labelSheet().pageSize());
    QPrintDialog dialog(&printer, this);
    preparePrintDialog(dialog);
    const bool offered = selection.totalCopies() > 0;
    dialog.setOption(QAbstractPrintDialog::PrintSelection, offered);
    if (offered && selectionChosen) {
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
        const std::int64_t copies = selection.totalCopies();
        dialog.setWindowTitle(tr("Labels drucken: Auswahl, %1 %2")
                                  .arg(copies)
                                  .arg(copies == 1 ? tr("Etikett") : tr("Etiketten")));
    }
    if (!runPrintDialog(dialog))
        return;
    if (offered && printer.printRange() == QPrinter::Selection)
        printLabels(printer, selection);
    else
        printChosenPages(printer);
}

std::int64_t QPagePreview::printLabels(QPrinter &printer, const LabelMap &chosen) {
    printer.setFullPage(true);
    LabelJob only = labelJob();
    only.setLabels(chosen);
    if (!mayPrint(only.pageCount()))
        return 0;
    return printRun(printer, only, 0, only.pageCount() - 1);
}

bool QPagePreview::mayPrint(std::int64_t pages) {
    return pages <= manyPages || (confirmManyPages && confirmManyPages(pages));
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
