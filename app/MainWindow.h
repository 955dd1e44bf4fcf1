#pragma once

#include "app/ColumnChoice.h"
#include "app/WindowSettings.h"
#include "pages/DesignFile.h"
#include "pages/LabelSource.h"
#include "ui_MainWindow.h"
#include "xls/common/LoadOptions.h"

#include <QMainWindow>
#include <QString>

#include <optional>

class DesignState;
class FullNameOffer;
struct LabelListFacts;
class LabelTextEditor;
class QCheckBox;
class QComboBox;
class SheetChooser;
class QSpinBox;
class QTreeWidgetItem;
class QXLSImporter;
class PreviewSelection;
class ReceptionDesk;

// The program's one window: the settings tree on the left, the filter and
// search lines, the page preview, the page row and the status line on the
// right. It wires the form to the preview and the importer; they own the
// behaviour. The label settings, the last folder and the window's geometry
// last from one run to the next.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~MainWindow() override;

    // Imports a workbook as the open-file dialog's choice does. A file that
    // cannot be imported is explained in a message box and changes nothing;
    // an encrypted one asks for its password (PasswordDialog) as often as the
    // user wants, and Cancel changes nothing either.
    bool importXLSFile(const QString &path);
    // Imports any supported file, decided by its content: delimited text
    // through the Textimport dialog, everything else directly. False when
    // nothing was imported (refused or cancelled).
    bool openFile(const QString &path);
    // Opens the file a command line names (the first argument after the
    // program), once the event loop runs.
    void openFileFromArguments(const QStringList &arguments);
    // Makes a successfully imported importer the current one (the window takes
    // it over and releases the previous one) and shows its labels.
    void adoptImporter(QXLSImporter *imported);

public slots:
    void slotOpen();
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

public:
    Ui_MainWindowClass ui;
    // How long an import runs before its progress shows; tests shorten it.
    int progressDelayMs = 500;

protected:
    void closeEvent(QCloseEvent *event) override;
    // A file dropped on the window is opened as "Öffnen..." opens it.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool importFile(const QString &path, LoadOptions options);
    bool importTextFile(const QString &path);
    QString chooseFile(const char *caption, const char *filter);
    void buildSettingsTree();
    void buildFullNameOffer();
    // The "Gestaltung" row: the design's look goes to the preview, its
    // columns to the label list.
    void buildDesign();
    void editDesign();
    // Shows the design's look and rebuilds the labels with its columns.
    void showDesign();
    // Finds what keeps the labels from printing as designed, for the status line.
    void checkDesign();
    // A design opened from a file or preset: its sheet, font and columns.
    void applyDesign(const SavedDesign &design);
    void applyDesignColumns(const SavedDesign &design);
    // The window's sheet, font, label text and columns with the design's look.
    SavedDesign windowDesign() const;
    // What makes the labels: the label text, the columns and the design's.
    LabelChoice labelChoice() const;
    // "Gleiche Etiketten zusammenfassen": equal labels one entry, or each row its own.
    void buildMergeCheck();
    // What the rows said about the labels, for the status line.
    void addRowNotes(LabelListFacts &facts) const;
    // Shows what the chosen label sheet and start position give.
    void showSheet();
    void buildPageRow();
    void buildSearchKeys();
    // "Empfang" (Ctrl+E): the reception desk, fed the list and the label job.
    void buildDesk();
    // Shows on the preview's labels whose badges the desk printed.
    void showDeskMarks();
    void applySettings();
    void connectSizeSpins();
    void fillColumnCombos();
    void rebuildLabels();
    void updatePageLabel();
    void updateStatus();
    // Says in the status line which pages printing offers, before the dialog opens.
    void showPrintRange();
    void showFontName();
    ColumnChoice chosenColumns() const;
    void tellImportFailed(const QString &path, const QXLSImporter &failed);
    // Asks for the password of an encrypted workbook and imports again until
    // it opens or fails for another reason; false when the user cancels.
    bool askPasswordUntilImported(const QString &path, LoadOptions options, QXLSImporter &imported);

    QXLSImporter *importer = nullptr;
    bool importing = false;
    // The imported file, which the reception desk keeps its marks for.
    QString listPath;
    ReceptionDesk *desk = nullptr;
    // Clicks on the preview's labels pick them; its context menu prints them.
    PreviewSelection *previewSelection = nullptr;
    WindowSettings settings;
    SheetChooser *sheetChooser = nullptr;
    QSpinBox *heightSpin = nullptr;
    QSpinBox *widthSpin = nullptr;
    QComboBox *countCombo = nullptr;
    QComboBox *nameCombo = nullptr;
    QCheckBox *headerCheck = nullptr;
    QCheckBox *mergeCheck = nullptr;
    QString filterText;
    QTreeWidgetItem *fileItem = nullptr;
    QTreeWidgetItem *rowsItem = nullptr;
    QTreeWidgetItem *columnsItem = nullptr;
    QTreeWidgetItem *labelColumnsItem = nullptr;
    QTreeWidgetItem *labelRowsItem = nullptr;
    QTreeWidgetItem *labelWidthItem = nullptr;
    QTreeWidgetItem *labelHeightItem = nullptr;
    QTreeWidgetItem *fontItem = nullptr;
    QTreeWidgetItem *headerItem = nullptr;
    QTreeWidgetItem *nameColumnItem = nullptr;
    QTreeWidgetItem *countColumnItem = nullptr;
    LabelTextEditor *labelTextEditor = nullptr;
    FullNameOffer *fullNameOffer = nullptr;
    DesignState *designState = nullptr;
    // The labels of the label text and quantity column, kept between filter keystrokes.
    std::optional<LabelSource> labelSource;
};
