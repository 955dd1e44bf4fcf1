#pragma once

#include "pages/LabelJob.h"
#include "pages/LabelMap.h"
#include "pages/LabelSearch.h"
#include "pages/LabelSelection.h"
#include "pages/LabelSheet.h"
#include "pages/PageLayout.h"
#include "pages/PreviewZoom.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QMap>
#include <QPointF>
#include <QRect>
#include <QSet>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QPainter;
class QPaintDevice;
class QPrintDialog;
class QPrinter;

// Shows one page of the label job at a time, on the sheet's paper (A4,
// Letter or a roll's label) from its top-left corner, scaled to fit its
// space or zoomed (and then scrolled), and turns the pages. It keeps the
// grid of the label size, the label list, the font, the search text, the
// page shown and the labels picked (which print alone when asked); its job
// adds the chosen sheet, the start position, the frames and the printer
// offsets, and draws the page here and on the printer alike.
class QPagePreview : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit QPagePreview(QWidget *parent = nullptr);

    // Sets the label size in millimetres and derives the grid from it.
    void setLabelDimensions(int width, int height);
    // Pages of the label list, at least 1, at most INT_MAX (what page fields
    // and the print dialog can hold).
    int pageCount() const;
    // Zero-based index of the last page; there is always at least one page.
    int lastPageIndex() const;
    // Highlights the names containing the text from now on and turns to the
    // page of the first such name's first copy. Answers whether a name was
    // found; no match keeps the page.
    bool findName(const QString &text);
    // Turns to the page of the next (or previous) label the search text
    // finds, wrapping around at the ends; false, and no change, without one.
    bool findNextName();
    bool findPreviousName();
    // What the search text finds in the labels shown, and which one is current.
    const SearchMatches &searchMatches() const { return matches; }

    // Shows a rebuilt label list from its first page.
    void setLabels(LabelMap newLabels);
    // Turn one page on or back; false, and no change, at the last or first page.
    bool showNextPage();
    bool showPreviousPage();
    // Shows a zero-based page, clamped to the pages there are.
    void showPage(std::int64_t page);
    void showFirstPage() { showPage(0); }
    void showLastPage() { showPage(lastPageIndex()); }
    // Shows the page of a one-based number as the user typed it: beyond the
    // ends (however many digits) it is clamped; a text that is no number keeps
    // the page. Either way the page shown is reported again.
    void showTypedPage(const QString &typed);

    // 0 fits the whole page into the preview; otherwise per cent of the true size.
    void setZoom(int percent);
    int zoomPercent() const { return zoom.percent; }
    // Device pixels per millimetre at which the sheet is shown now.
    qreal previewScale() const;
    // The sheet's top-left corner in the viewport, on whole pixels.
    QPoint sheetOrigin() const;

    // The grid the layout members describe.
    PageLayout pageLayout() const;
    // Prints on a chosen label sheet from now on, or on the grid of the label
    // size again with none; the start slot goes back to the first.
    void setLabelSheet(std::optional<LabelSheet> sheet);
    // The chosen sheet, or the grid of the label size as a sheet.
    LabelSheet labelSheet() const { return labelJob().sheet(); }
    // Leaves the slots before it empty on the first page ("Beginnen bei
    // Etikett N" is slot N - 1); clamped to the page.
    void setStartSlot(std::int64_t slot);
    // Prints a chosen sheet's outlines on paper too.
    void setFramesOnPaper(bool on);
    // Each printer's correction in mm, by printer name, used when printing there.
    void setPrinterOffsets(const QMap<QString, QPointF> &offsets);
    // How the labels look beyond their font: line styles, pictures, code, colours.
    void setDesign(const LabelDesign &design);
    // The job of what is shown: the label list, the sheet, the font and the
    // print settings.
    const LabelJob &labelJob() const;

    // The entry of the label list (counted from 0) whose label lies under a
    // point of the viewport on the page shown; none between labels.
    std::optional<qsizetype> labelAt(QPoint viewportPoint) const;
    // The labels picked by clicks; a new label list picks none.
    void clickLabel(qsizetype entry, LabelSelection::Click how);
    // Picks every label the search text finds, answers how many.
    qsizetype selectSearchMatches();
    void clearSelection();
    const LabelSelection &selection() const { return picked; }
    // The labels picked, each with its quantity, in list order.
    LabelMap selectedLabels() const { return picked.picked(labels); }
    // The table rows whose badges were printed at the reception desk: their
    // labels show a mark on the screen, never on paper.
    void setPrintedRows(QSet<int> rows);

    // Draws the labels of one page with the painter at the sheet's top-left
    // corner, at scale device units per millimetre, and answers how many it
    // drew: as the screen shows them (highlightSearch) or as they print.
    std::int64_t drawLabelPage(QPainter &painter, int page, qreal scale,
                               bool highlightSearch) const;

    // Asks for a printer with the selection chosen in the print dialog and
    // prints the labels picked, on the sheet from the start position.
    void printSelection();
    // The same for one copy of one label.
    void printLabel(qsizetype entry);
    // Shows the print dialog; true when the user accepts. Tests answer in
    // the user's place.
    std::function<bool(QPrintDialog &dialog)> runPrintDialog;
    // Prints the labels on the printer as the job prints its list: on the
    // sheet from the start position, packed in order, after asking when they
    // are more than manyPages. Answers the labels printed.
    std::int64_t printLabels(QPrinter &printer, const LabelMap &chosen);

    // Offers the page shown up to the last page in the print dialog, and
    // names these pages in its title, as the range is out of sight while the
    // dialog's settings are folded away.
    void preparePrintDialog(QPrintDialog &dialog) const;
    // Prints the pages chosen on the printer (all when none are), after
    // asking when they are more than manyPages. Answers the labels printed.
    std::int64_t printChosenPages(QPrinter &printer);
    // A print run of more pages is confirmed first.
    static constexpr int manyPages = 1000;
    // Asks whether to print this many pages; answers no unless the user
    // agrees. Tests answer in the user's place.
    std::function<bool(std::int64_t pages)> confirmManyPages;
    // Prints the zero-based pages firstPage to lastPage on the printer, on the
    // sheet's paper from its corner moved by the printer's offset, without
    // highlighting; stops early where the labels run out. Answers the labels
    // printed, 0 when the run was cancelled.
    std::int64_t printPageRange(QPrinter &printer, int firstPage, int lastPage) const;
    // Makes the progress each print run reports to, set by the window; runs
    // print without one when it is not set.
    std::function<PageProgress()> printProgress;

    int labelWidth = -1;
    int labelHeight = -1;
    std::int64_t labelsPerPage = 0; // labelColumns * labelRows
    std::int64_t labelRows = 0;
    std::int64_t labelColumns = 0;
    LabelMap labels;
    QRect gridRect;
    QFont labelFont;
    QString searchText;
    int currentPage = 0;

signals:
    // The page shown or the number of pages changed.
    void pageChanged();
    void zoomChanged(int percent);

public slots:
    // Asks for a printer and a page range, then prints.
    void printPage();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // Prints the job's pages firstPage to lastPage, reporting to printProgress;
    // a PDF file is written whole or not at all.
    std::int64_t printRun(QPrinter &printer, const LabelJob &job, int firstPage,
                          int lastPage) const;
    void tellNoLabelFits();
    // Opens the print dialog, offering the selection when there is one
    // (chosen from the start when asked), and prints what the user chose.
    void printFromDialog(const LabelMap &selection, bool selectionChosen);
    // Asks before printing more than manyPages; true to go on.
    bool mayPrint(std::int64_t pages);
    // The question confirmManyPages asks unless a test answers; default No.
    bool askToPrintManyPages(std::int64_t pages);
    // Shows the page that holds a copy (counted from 0 in label order).
    void showCopy(std::int64_t copy);
    // Shows what changed in the job's settings: the page and the page count.
    void showJobChange();
    // Scroll ranges for the sheet at the current scale.
    void updateScrollBars();
    qreal screenPixelsPerMm() const;

    PreviewZoom zoom;
    // Takes the layout members, the labels and the font as they are when asked
    // for (they are public and may be set directly).
    mutable LabelJob job;
    // searchText case-folded once, for highlighting while painting.
    QString foldedSearch;
    SearchMatches matches;
    LabelSelection picked;
};
