#pragma once

#include "pages/LabelSheet.h"

#include <QPointF>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

// The test page of a label sheet, printed on plain paper and laid on a sheet
// of labels against the light: each label's outline with a cross at its
// centre, a millimetre scale along the top and left edges, from which the
// printer's offset can be read off, and two lines saying how, where they
// cover no label if the sheet leaves room above or below its labels.
void drawTestPage(QPainter &painter, const LabelSheet &sheet, qreal scale);

// Prints the test page on the printer from the paper's corner, moved by the
// offset like every page printed there. False if the printer cannot start.
bool printTestPage(QPrinter &printer, const LabelSheet &sheet, QPointF offsetMm);
// The same on a device whose painter starts at the paper's corner (a PDF
// writer without margins).
bool printTestPage(QPagedPaintDevice &device, const LabelSheet &sheet, QPointF offsetMm);
