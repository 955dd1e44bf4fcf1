#pragma once

#include "pages/LabelMap.h"
#include "pages/LabelSheet.h"
#include "pages/PageLayout.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

class QPainter;
class QPrintDialog;
class QPrinter;

// Shows one A4 sheet of name labels at one pixel per millimetre and owns the
// label settings, the label list, the search text and the page shown; prints
// pages of labels at the same millimetre positions.
class QPagePreview : public QWidget {
    Q_OBJECT

public:
    explicit QPagePreview(QWidget *parent = nullptr);

    // Sets the label size in millimetres and derives the grid from it.
    void setLabelDimensions(int width, int height);
    // Zero-based index of the last page; there is always at least one page.
    int lastPageIndex() const;
    // Highlights the names containing the text from now on and turns to the
    // page of the first such name's first copy; no match keeps the page.
    void findName(const QString &text);

    // Shows a rebuilt label list from its first page.
    void setLabels(LabelMap newLabels);
    // Turn one page on or back; false, and no change, at the last or first page.
    bool showNextPage();
    bool showPreviousPage();

    // The grid the layout members describe.
    PageLayout pageLayout() const;
    // Prints on a chosen label sheet from now on, or on the grid of the label
    // size again with none; the start slot goes back to the first.
    void setLabelSheet(std::optional<LabelSheet> sheet);
    // The chosen sheet, or the grid of the label size as a sheet.
    LabelSheet labelSheet() const;
    // Leaves the slots before it empty on the first page ("Beginnen bei
    // Etikett N" is slot N - 1); clamped to the page.
    void setStartSlot(std::int64_t slot);
    // On the grid: labelFont at labelHeight - 2 points, and never below 1
    // point. On a chosen sheet: labelFont as large as on paper.
    QFont previewFont() const;

    // Draws the labels of one page with the painter at the sheet's top-left
    // corner, at scale device units per millimetre, and answers how many it
    // drew. Used for the screen (highlightSearch) and the printer alike. Each
    // name is set no larger than the font and no wider than its label. On a
    // chosen sheet the screen shows every label's outline, the paper only
    // with framesOnPaper.
    std::int64_t drawLabelPage(QPainter &painter, int page, qreal scale, const QFont &font,
                               bool highlightSearch) const;

    // Offers the page shown up to the last page in the print dialog.
    void preparePrintDialog(QPrintDialog &dialog) const;
    // Prints the zero-based pages firstPage to lastPage on the printer, from
    // the paper's corner moved by printOffsetMm, with labelFont unchanged and
    // without highlighting; stops early where the labels run out. Answers the
    // labels printed.
    std::int64_t printPageRange(QPrinter &printer, int firstPage, int lastPage) const;

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
    std::optional<LabelSheet> chosenSheet;
    std::int64_t startSlot = 0;
    bool framesOnPaper = false;
    // The printer's correction, applied on paper only.
    QPointF printOffsetMm;

public slots:
    // Asks for a printer and a page range, then prints.
    void printPage();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void tellNoLabelFits();
};
