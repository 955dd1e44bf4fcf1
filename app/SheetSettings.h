#pragma once

#include "pages/LabelSheet.h"

#include <QList>
#include <QMap>
#include <QPointF>
#include <QString>

// What the user keeps of label sheets between runs, in the "sheets" group of
// Settings: the chosen sheet, frames on paper, own and imported sheets and
// each printer's offset. The start position belongs to one print run and is
// not kept.
struct SheetSettings {
    // Maker and code of the chosen sheet; empty for the whole-millimetre grid.
    QString chosenMaker;
    QString chosenCode;
    bool framesOnPaper = false;
    // How the chosen roll prints: turned or upright, and the length that
    // continuous tape is cut to.
    bool rollTurned = false;
    double tapeLengthMm = defaultTapeLengthMm;
    QList<LabelSheet> ownSheets;
    QList<LabelSheet> importedSheets;
    QMap<QString, QPointF> printerOffsets; // by printer name, in mm
};
