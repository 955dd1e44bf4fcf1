#pragma once

#include "pages/LabelArt.h"
#include "pages/LabelDesign.h"
#include "pages/LabelMap.h"
#include "pages/LabelSheet.h"
#include "pages/PageLayout.h"
#include "pages/TextFitCache.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QMap>
#include <QPointF>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

// The largest printer correction either way, in mm: a printer that misses by
// more needs another setting, not a correction.
constexpr double maximumPrinterOffsetMm = 10;
// Whether a correction in mm is one to give a printer: finite and at most
// maximumPrinterOffsetMm either way.
inline bool isPrinterOffset(double mm) {
    return mm >= -maximumPrinterOffsetMm && mm <= maximumPrinterOffsetMm;
}

// Told before each page of a print run is painted: the page, counted from 1
// within the run, and the run's pages; false ends the run before that page.
using PageProgress = std::function<bool(int page, int pages)>;

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// One run of labels on paper: the label list, the sheet it goes on (a chosen
// label sheet, or the grid a label size gives), the font, the slot the first
// sheet starts at, whether a chosen sheet's outlines print, and each printer's
// offset. It counts the pages, tells the labels of a page and draws a page on
// any painter at any scale: the screen, a printer and a PDF writer all draw
// through it, so it is the only place that knows how a label looks.
class LabelJob {
public:
    // Who looks at a page: the screen shows every outline and marks the
    // search; paper shows a chosen sheet's outlines only when asked for.
    enum class Medium { Screen, Paper };

    void setLabels(LabelMap labels) { list = std::move(labels); }
    const LabelMap &labels() const { return list; }
    void setFont(const QFont &font) { labelFont = font; }
    const QFont &font() const { return labelFont; }
    // The look beyond the label font: line styles, pictures, code, colours.
    void setDesign(LabelDesign design);
    const LabelDesign &design() const { return look; }
    // What keeps labels from printing as designed, each a German sentence:
    // a picture that cannot be read, a code text too long for its symbology
    // or size or not fit for it (naming the row as the spreadsheet numbers
    // it). Empty when every label draws as designed.
    QStringList designProblems() const;

    // The grid of the label size, the sheet while none is chosen.
    void setGrid(const PageLayout &layout) { grid = layout; }
    // Prints on a chosen sheet from now on, or on the grid with none; the
    // start slot goes back to the first.
    void setChosenSheet(std::optional<LabelSheet> sheet);
    const std::optional<LabelSheet> &chosenSheet() const { return chosen; }
    // The chosen sheet, or the grid as a sheet.
    LabelSheet sheet() const;
    // Leaves the slots before it empty on the first page; clamped to the page.
    void setStartSlot(std::int64_t slot);
    std::int64_t startSlot() const { return start; }
    void setFramesOnPaper(bool on) { frames = on; }
    bool framesOnPaper() const { return frames; }
    // Each printer's correction in mm, by printer name; applied on paper only.
    void setPrinterOffsets(const QMap<QString, QPointF> &offsets) { offsetsMm = offsets; }
    QPointF printerOffset(const QString &printerName) const { return offsetsMm.value(printerName); }

    // What the screen shows over the labels and paper never does: the
    // entries picked in the preview (counted from 0 in the list) and the
    // table rows whose badges were printed at the reception desk.
    void setSelectedEntries(QSet<qsizetype> entries) { selected = std::move(entries); }
    void setPrintedRows(QSet<int> rows) { printedRows = std::move(rows); }

    // Pages of the label list, at least 1, at most INT_MAX (what page fields
    // and the print dialog can hold).
    int pageCount() const;
    // The page a copy of the sequence lands on, counted from 0.
    std::int64_t pageOfCopy(std::int64_t copy) const;
    // The lines of each label on a page, slot by slot from the first used.
    QList<QStringList> labelsOnPage(int page) const;

    // The font sized for a device that draws scale units per millimetre, so
    // that its letters measure the label font's point size on paper.
    QFont fontAtScale(qreal scale, const QPaintDevice &device) const;
    // Draws the labels of one page with the painter at the paper's top-left
    // corner, at scale device units per millimetre, and answers how many it
    // drew. On the screen, names containing the case-folded search are marked
    // and a chosen sheet's labels before the start slot are greyed. Each
    // label's lines are set no larger than the font and no wider than the label.
    std::int64_t drawPage(QPainter &painter, int page, qreal scale, Medium medium,
                          const QString &foldedSearch = QString()) const;
    // Prints the zero-based pages first to last on the device from the
    // corner its painter starts at, moved by offsetMm, on the sheet's paper;
    // stops early where the labels run out, so no sheet is left empty at the
    // end. Answers the labels printed. `progress` hears of each page and may
    // end the run early: the pages painted so far are what the device gets.
    std::int64_t print(QPagedPaintDevice &device, int firstPage, int lastPage, QPointF offsetMm,
                       const PageProgress &progress = {}) const;
    // The pages print() paints of firstPage to lastPage: none past the last label.
    int pagesToPrint(int firstPage, int lastPage) const;

    // How many label texts were fitted rather than found kept from an
    // earlier drawing (a repaint at the same scale fits none).
    qsizetype fittingsMade() const { return fits->fittingsMade(); }

private:
    // The label font's size in points, also for a font given in pixels.
    qreal pointSize() const;
    // The look of each styled line on paper (the font at paperFont's scale),
    // and one more for the lines under them; automatic sizes set for the box.
    QList<LineLook> paperLooks(const QFont &paperFont, const QSizeF &paperBox) const;
    // The largest size up to its own at which a line fits the box on every
    // label of the list, found once per list, look and box.
    qreal uniformSize(qsizetype line, const LineLook &look, const QSizeF &paperBox) const;
    // Draws what the design puts on a label besides its text (colours,
    // pictures, code), clipped to the label; answers whether it drew any.
    bool drawArt(QPainter &painter, const LabelEntry &entry, const QRectF &label,
                 qreal scale) const;
    // Where a label's lines go, in mm from its top-left corner: inside its
    // margins, clear of the colour band, logos and code the design places at
    // its top, bottom or sides, and inside the strips a label printer cannot
    // print on.
    QRectF textAreaMm(const QSizeF &labelMm, const QMarginsF &unprintableMm) const;
    // Shows a label picked in the preview or printed at the desk.
    void drawScreenMarks(QPainter &painter, const LabelEntry &entry, qsizetype entryIndex,
                         const QRectF &label, qreal scale) const;
    // The colour a label's category value takes, invalid for none.
    QColor categoryColour(const QString &value) const;

    LabelMap list;
    QFont labelFont;
    LabelDesign look;
    PageLayout grid;
    std::optional<LabelSheet> chosen;
    std::int64_t start = 0;
    bool frames = false;
    QMap<QString, QPointF> offsetsMm;
    QSet<qsizetype> selected;
    QSet<int> printedRows;
    // Shared by copies of the job: fitting depends on the text, the font and
    // the box alone, whatever list they came from.
    std::shared_ptr<TextFitCache> fits = std::make_shared<TextFitCache>();
    // The design's pictures, read once when the design is set.
    std::shared_ptr<const QList<PictureArt>> pictures = std::make_shared<const QList<PictureArt>>();
    // The category colours by case-folded value, made once when the design is set.
    QHash<QString, QColor> colourOfValue;
    // Sizes of lines set alike on all labels, kept with what they were found
    // for: the list (its kept copy holds its entries, so equal entry storage
    // means the same list), the look and the box.
    struct UniformSize {
        LabelMap list;
        LineLook look;
        qsizetype line = 0;
        QSizeF box;
        qreal points = 0;
    };
    mutable std::shared_ptr<QList<UniformSize>> uniformSizes =
        std::make_shared<QList<UniformSize>>();
};
