#pragma once

#include "pages/LabelSheet.h"

#include <QList>
#include <QMap>
#include <QPointF>
#include <QString>

class QSettings;

// What the user keeps of label sheets between runs: the chosen sheet, frames
// on paper, own and imported sheets and each printer's offset. The start
// position belongs to one print run and is not kept.
struct SheetSettings {
    // Maker and code of the chosen sheet; empty for the whole-millimetre grid.
    QString chosenMaker;
    QString chosenCode;
    bool framesOnPaper = false;
    QList<LabelSheet> ownSheets;
    QList<LabelSheet> importedSheets;
    QMap<QString, QPointF> printerOffsets; // by printer name, in mm

    // Kept sheets that no longer read as valid sheets are left out.
    static SheetSettings load(QSettings &settings);
    void save(QSettings &settings) const;
};
