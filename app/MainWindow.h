#pragma once

#include "app/ColumnChoice.h"
#include "pages/LabelSource.h"
#include "ui_MainWindow.h"

#include <QMainWindow>
#include <QString>

#include <optional>

class QComboBox;
class SheetChooser;
class QSpinBox;
class QTreeWidgetItem;
class QXLSImporter;

// The program's one window: the settings tree on the left, the filter and
// search lines, the page preview and the page buttons on the right. It wires
// the form to the preview and the importer; they own the behaviour.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~MainWindow() override;

    // Imports a workbook as the open-file dialog's choice does. A file that
    // cannot be imported is explained in a message box and changes nothing.
    bool importXLSFile(const QString &path);
    // Makes a successfully imported importer the current one (the window takes
    // it over and releases the previous one) and shows its labels.
    void adoptImporter(QXLSImporter *imported);

public slots:
    void slotImportXLS();
    void slotImportXML();
    void slotImportCVS();
    void slotUpdateFileInfo();
    void setLabelSize();
    void printPages();
    void selectFont();
    void nextPage();
    void previousPage();
    void reloadPage(QString filter);
    void about();
    void scrollToName(QString name);
    // Shows what the chosen label sheet and start position give.
    void showSheet();

public:
    Ui_MainWindowClass ui;

private:
    void buildSettingsTree();
    void connectSizeSpins();
    void fillColumnCombos();
    void rebuildLabels();
    void updatePageLabel();
    void tellImportFailed(const QString &path, const QXLSImporter &failed);
    void tellNotAvailable();

    QXLSImporter *importer = nullptr;
    SheetChooser *sheetChooser = nullptr;
    QSpinBox *heightSpin = nullptr;
    QSpinBox *widthSpin = nullptr;
    QComboBox *countCombo = nullptr;
    QComboBox *nameCombo = nullptr;
    QString filterText;
    QTreeWidgetItem *fileItem = nullptr;
    QTreeWidgetItem *rowsItem = nullptr;
    QTreeWidgetItem *columnsItem = nullptr;
    QTreeWidgetItem *labelColumnsItem = nullptr;
    QTreeWidgetItem *labelRowsItem = nullptr;
    QTreeWidgetItem *labelWidthItem = nullptr;
    QTreeWidgetItem *labelHeightItem = nullptr;
    QTreeWidgetItem *nameColumnItem = nullptr;
    QTreeWidgetItem *countColumnItem = nullptr;
    // The labels of the chosen columns, kept between filter keystrokes.
    std::optional<LabelSource> labelSource;
    ColumnChoice labelSourceColumns;
};
