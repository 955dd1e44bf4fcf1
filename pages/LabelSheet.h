#pragma once

#include "pages/PageLayout.h"

#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <cstdint>

class QPageSize;
class QTransform;

// The papers a sheet can be printed on. Letter is read from templates; Roll
// is a label printer's roll, where each label is a page of its own size.
enum class Paper { A4, Letter, Roll };

// The tape length a continuous roll is cut to unless the user sets another.
inline constexpr double defaultTapeLengthMm = 100;
// The shortest and longest piece of continuous tape a label may take.
inline constexpr double minimumTapeLengthMm = 10;
inline constexpr double maximumTapeLengthMm = 1000;

// The outline of each label on a sheet.
enum class LabelShape { Rectangle, Round, Ellipse };

// Why a sheet cannot be used; None for a usable one.
enum class SheetProblem {
    None,
    NonPositiveLabel, // label width or height not above 0
    NegativeRadius,   // corner radius below 0 or above half the label
    NoLabels,         // columns or rows below 1, or too many
    NegativeMargin,   // left or top margin below 0
    PitchBelowLabel,  // pitch smaller than the label, so labels overlap
    BeyondPaper,      // the last label reaches past the paper's edge
    NoPrintableArea,  // a roll's unprintable margins leave nothing to print on
};

// Where the copy number n of a print run lands: page and slot on that page.
struct SheetPosition {
    std::int64_t page = 0;
    std::int64_t slot = 0;
    friend bool operator==(const SheetPosition &, const SheetPosition &) = default;
};

// A sheet of equal labels, in millimetres from the paper's top-left corner:
// label i of row r and column c lies at (left + c * horizontalPitch, top + r *
// verticalPitch). Slots are numbered from 0, left to right, then top to
// bottom. A pitch larger than the label leaves a gap between labels.
//
// On a roll (paper Roll) each label is a page: one column and one row with
// no margins, labelWidth across the roll and labelHeight along it, as the
// makers give them; on continuous tape labelHeight is the length it is cut
// to. A turned label reads with its width along the roll: the page stays as
// the printer feeds it and the label is drawn on it rotated.
struct LabelSheet {
    QString maker;
    // The product code first, then other numbers the same product is sold under.
    QStringList codes;
    QString description;
    // Where the numbers come from (maker's data sheet, template file...).
    QString source;
    Paper paper = Paper::A4;
    LabelShape shape = LabelShape::Rectangle;
    double labelWidth = 0;
    double labelHeight = 0;
    double cornerRadius = 0;
    int columns = 0;
    int rows = 0;
    double leftMargin = 0;
    double topMargin = 0;
    double horizontalPitch = 0;
    double verticalPitch = 0;
    // Rolls only: tape cut to length rather than die-cut labels; the label
    // read across the roll; the strips at each edge across and along the
    // roll that the printer cannot print on.
    bool continuous = false;
    bool turned = false;
    double unprintableAcross = 0;
    double unprintableAlong = 0;

    // The whole-millimetre grid of touching labels centred on A4 that a label
    // size gives without a chosen sheet; the same rectangles as the layout.
    static LabelSheet fromPageLayout(const PageLayout &layout);

    // The roll of a label printer: die-cut labels of width x length, or
    // continuous tape of that width cut to that length.
    static LabelSheet roll(double width, double length, bool continuousTape = false);

    QString code() const { return codes.value(0); }
    bool isRoll() const { return paper == Paper::Roll; }
    // The page: A4, Letter, or a roll's label as the printer feeds it.
    QSizeF paperSizeMm() const;
    // The same for the print dialog and the PDF writer.
    QPageSize pageSize() const;
    std::int64_t labelsPerPage() const { return std::int64_t(columns) * rows; }
    // The label of a slot on a page, in mm from the paper's top-left corner;
    // for a turned roll, in the label's own upright frame (see labelToPage).
    QRectF labelRect(std::int64_t slot) const;
    // Where a slot's label lies on the page as it prints.
    QRectF labelRectOnPage(std::int64_t slot) const;
    // What a painter at the page's corner, drawing scale units per mm, is
    // turned by so that it draws in the labels' frame: the identity but for
    // a turned roll, whose labels read with the page's right edge on top.
    QTransform labelToPage(qreal scale) const;
    // A label's strips the printer cannot print on, in the label's frame.
    QMarginsF unprintableMarginsMm() const;
    // The same label upright: a turned roll as one fed the way it reads.
    LabelSheet upright() const;
    // Continuous tape cut to another length; any other stock unchanged.
    LabelSheet withTapeLength(double mm) const;

    // Pages needed for copies when the first page starts at startSlot (the
    // slots before it are used up): at least 1.
    std::int64_t pageCount(std::int64_t copies, std::int64_t startSlot = 0) const;
    // Page and slot of a copy, counted from 0, for a run starting at startSlot.
    SheetPosition positionOfCopy(std::int64_t copy, std::int64_t startSlot = 0) const;
    // The first copy on a page, and how many slots of that page are used up
    // before it (startSlot on the first page, 0 after).
    std::int64_t firstCopyOnPage(std::int64_t page, std::int64_t startSlot = 0) const;
    std::int64_t firstSlotOnPage(std::int64_t page, std::int64_t startSlot = 0) const;

    SheetProblem problem() const;
    bool isValid() const { return problem() == SheetProblem::None; }

    friend bool operator==(const LabelSheet &, const LabelSheet &) = default;

private:
    SheetProblem rollProblem() const;
};

// The reason a sheet is refused, for the window (German) or a log (English).
QString sheetProblemText(SheetProblem problem);
QString sheetProblemEnglish(SheetProblem problem);

// "63,5 x 38,1 mm": a size as a German reader writes it, at most 2 decimals.
QString formatMillimetres(double mm, QChar decimalPoint = QLatin1Char(','));
QString formatLabelSize(const LabelSheet &sheet, QChar decimalPoint = QLatin1Char(','));

// A millimetre value as a person types it: "63,5", "63.5", " 2,54 mm".
// Answers false for anything else.
bool parseMillimetres(const QString &text, double *mm);
