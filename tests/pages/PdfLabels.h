#pragma once

#include "pages/LabelSheet.h"
#include "pages/PageLayout.h"

#include <QImage>
#include <QList>
#include <QMap>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <functional>

class QPrinter;

// Reads a printed PDF back with poppler's pdftotext -bbox (Debian's
// poppler-utils), so the tests see where each word landed on the paper.
namespace pdflabels {

struct Word {
    QString text;
    QRectF boxMm; // in millimetres from the paper's top-left corner
};

struct Page {
    QSizeF sizeMm;
    QList<Word> words;
};

// The pages of a PDF file with their words; sets error on failure.
QList<Page> readPages(const QString &pdfPath, QString *error);

// One page of a PDF file as pdftoppm paints it at dotsPerInch, without
// anti-aliasing (lines and letters in pure black); a null image and error set
// on failure.
QImage rasterPage(const QString &pdfPath, int page, qreal dotsPerInch, QString *error);

// The text of each label slot of a page: the words whose centre lies in the
// slot's rectangle, joined by spaces from left to right. Words outside every
// label rectangle go under slot -1.
QMap<std::int64_t, QString> labelTexts(const Page &page, const PageLayout &layout);

// The words printed on each label of a sheet, its rectangles moved by the
// offset: the words whose centre lies in a label, joined by spaces in
// reading order, and the box around them all. Words in no label go under -1.
struct LabelWords {
    QString text;
    QRectF boxMm;
};
QMap<std::int64_t, LabelWords> labelWords(const Page &page, const LabelSheet &sheet,
                                          QPointF offsetMm = QPointF());

// Prints through print into a PDF in a temporary folder (a high-resolution
// QPrinter set to the whole page, its margins 0) and reads the pages back.
// printed gets what print answered; error is set when reading fails.
QList<Page> printAndRead(const std::function<std::int64_t(QPrinter &)> &print,
                         std::int64_t *printed, QString *error);

// "12.00,8.50 40.00x5.20 mm": a box for a failure message.
QString describe(const QRectF &mm);

} // namespace pdflabels
