#pragma once

#include "app/SheetSettings.h"
#include "pages/LabelSheet.h"
#include "pages/LabelSheetCatalogue.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPagePreview;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

// The label sheet rows of the settings tree: the sheet chooser with its
// search field ("Einfaches Raster" first), the label size it gives, the start
// position (on sheets), a roll's orientation and tape length, frames on
// paper, the printer offset, the test page, importing gLabels templates and
// own sheets. It sets them on the preview and keeps them (all but the start
// position) in the user's settings.
class SheetChooser : public QObject {
    Q_OBJECT

public:
    SheetChooser(QTreeWidget *tree, QPagePreview *preview, QObject *parent);

    // Every sheet that can be chosen: the catalogue, imported, own ones.
    const QList<LabelSheet> &sheets() const { return all; }
    // Chooses by maker and code; an empty code chooses the grid. False when
    // there is no such sheet.
    bool chooseSheet(const QString &maker, const QString &code);
    // Reads a gLabels template file into the imported sheets; answers what it
    // took and skipped, in German.
    QString importTemplates(const QString &path);
    // Adds an own sheet, or replaces the one with the same maker and code,
    // and chooses it.
    void saveOwnSheet(const LabelSheet &sheet);
    // Chooses the sheet a design names: one there is by maker and code, else
    // the design's own sheet, kept as an own sheet; none chooses the grid.
    void useSheet(const std::optional<LabelSheet> &sheet);
    // Deletes the chosen own sheet and goes back to the grid.
    bool deleteChosenOwnSheet();
    bool chosenIsOwn() const;
    // The printer whose offset the offset fields show.
    QString offsetPrinter() const { return printerName; }

    QTreeWidgetItem *groupItem = nullptr;

signals:
    // Another sheet or start position: pages and label counts change.
    void sheetChanged();

private:
    void buildItems(QTreeWidget *tree);
    // The tape length and the orientation, shown for rolls only.
    void buildRollItems(const std::function<QTreeWidgetItem *(const QString &)> &child);
    QWidget *buttonRow();
    void rebuildList();
    void filterList(const QString &query);
    void choose(int index);
    // The sheet chosen, a roll turned and cut as kept; none for the grid.
    std::optional<LabelSheet> chosenSheet() const;
    // Puts the chosen sheet on the preview, shows and keeps it.
    void applyChosen();
    void applyStart();
    void applyOffset();
    void showChosen();
    void save();
    void openEditor(const LabelSheet &start);
    void askForTemplates();
    void printTestPage();
    int indexOf(const QString &maker, const QString &code) const;
    QWidget *parentWidget() const;

    QPagePreview *preview;
    SheetSettings kept;
    QList<LabelSheet> all;
    LabelSheetCatalogue searchable; // the same sheets, searchable
    qsizetype builtInCount = 0;
    qsizetype importedCount = 0;
    int chosen = -1; // index into all, -1 for the grid
    QString printerName;

    QLineEdit *searchEdit = nullptr;
    QComboBox *combo = nullptr;
    QTreeWidgetItem *sizeItem = nullptr;
    QTreeWidgetItem *startItem = nullptr;
    QSpinBox *startSpin = nullptr;
    QTreeWidgetItem *tapeLengthItem = nullptr;
    QDoubleSpinBox *tapeLengthSpin = nullptr;
    QTreeWidgetItem *turnedItem = nullptr;
    QCheckBox *turnedCheck = nullptr;
    QCheckBox *framesCheck = nullptr;
    QTreeWidgetItem *offsetItem = nullptr;
    QDoubleSpinBox *offsetXSpin = nullptr;
    QDoubleSpinBox *offsetYSpin = nullptr;
    QPushButton *editButton = nullptr;
    QPushButton *deleteButton = nullptr;
};
