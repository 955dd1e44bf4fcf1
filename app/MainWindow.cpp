#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/ColumnChoice.h"
#include "app/ImportFailureText.h"
#include "app/LabelDefaults.h"
#include "app/SheetChooser.h"
#include "app/StyleSheet.h"
#include "import/QXLSImporter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>

#include <memory>
#include <utility>

namespace {
constexpr int minimumLabelSizeMm = 1;
constexpr int maximumLabelHeightMm = 290;
constexpr int maximumLabelWidthMm = 200;

// The window's texts share the form's translation context.
QString text(const char *source) {
    return QCoreApplication::translate("MainWindowClass", source);
}

QSpinBox *newSizeSpin(const char *name, int maximum) {
    auto *spin = new QSpinBox;
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimumLabelSizeMm, maximum);
    spin->setSingleStep(1);
    spin->setSuffix(text("mm"));
    return spin;
}

QComboBox *newColumnCombo(const char *name) {
    auto *combo = new QComboBox;
    combo->setObjectName(QLatin1String(name));
    return combo;
}

} // namespace

MainWindow::MainWindow(QWidget *parent, Qt::WindowFlags flags) : QMainWindow(parent, flags) {
    ui.setupUi(this);

    connect(ui.action_Beenden, SIGNAL(triggered()), this, SLOT(close()));
    connect(ui.action_ber_Qt, SIGNAL(triggered()), qApp, SLOT(aboutQt()));
    connect(ui.action_ber_Tagomat, SIGNAL(triggered()), this, SLOT(about()));
    connect(ui.actionXLS_Importieren, SIGNAL(triggered()), this, SLOT(slotImportXLS()));
    connect(ui.actionXML_Importieren, SIGNAL(triggered()), this, SLOT(slotImportXML()));
    connect(ui.actionCVS_Importieren, SIGNAL(triggered()), this, SLOT(slotImportCVS()));
    connect(ui.actionD_rucken, SIGNAL(triggered()), this, SLOT(printPages()));
    connect(ui.actionSchriftart, SIGNAL(triggered()), this, SLOT(selectFont()));
    connect(ui.searchEdit, SIGNAL(textChanged(QString)), this, SLOT(scrollToName(QString)));
    connect(ui.filterEdit, SIGNAL(textChanged(QString)), this, SLOT(reloadPage(QString)));
    connect(ui.nextButton, SIGNAL(clicked()), this, SLOT(nextPage()));
    connect(ui.prevButton, SIGNAL(clicked()), this, SLOT(previousPage()));

    ui.pagePreview->setLabelDimensions(defaultLabelWidthMm, defaultLabelHeightMm);
    ui.pagePreview->labelFont = QFont(QLatin1String(defaultLabelFamily), defaultLabelPointSize);
    ui.pagePreview->update();

    buildSettingsTree();
    sheetChooser = new SheetChooser(ui.fileInfoTree, ui.pagePreview, this);
    connect(sheetChooser, &SheetChooser::sheetChanged, this, &MainWindow::showSheet);
    showSheet();
    applyStyleSheet();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildSettingsTree() {
    fileItem = new QTreeWidgetItem(ui.fileInfoTree, {text("Datei"), QString()});
    auto child = [this](const char *caption) {
        return new QTreeWidgetItem(fileItem, {text(caption), QString()});
    };
    rowsItem = child("Reihen");
    columnsItem = child("Spalten");
    labelColumnsItem = child("Labelspalten");
    labelRowsItem = child("Labelreihen");
    labelWidthItem = child("Labelbreite");
    labelHeightItem = child("Labelhöhe");
    nameColumnItem = child("Spalte Namen");
    countColumnItem = child("Spalte Anzahl");

    countCombo = newColumnCombo("countCombo");
    nameCombo = newColumnCombo("nameCombo");
    heightSpin = newSizeSpin("heightSpin", maximumLabelHeightMm);
    widthSpin = newSizeSpin("widthSpin", maximumLabelWidthMm);
    // Set before connecting, so that showing the size does not apply it again.
    widthSpin->setValue(ui.pagePreview->labelWidth);
    heightSpin->setValue(ui.pagePreview->labelHeight);
    connectSizeSpins();

    ui.fileInfoTree->setItemWidget(nameColumnItem, 1, nameCombo);
    ui.fileInfoTree->setItemWidget(countColumnItem, 1, countCombo);
    ui.fileInfoTree->setItemWidget(labelWidthItem, 1, widthSpin);
    ui.fileInfoTree->setItemWidget(labelHeightItem, 1, heightSpin);

    connect(countCombo, &QComboBox::currentIndexChanged, this, [this] { rebuildLabels(); });
    connect(nameCombo, &QComboBox::currentIndexChanged, this, [this] { rebuildLabels(); });
}

void MainWindow::connectSizeSpins() {
    connect(heightSpin, SIGNAL(valueChanged(int)), this, SLOT(setLabelSize()));
    connect(widthSpin, SIGNAL(valueChanged(int)), this, SLOT(setLabelSize()));
}

void MainWindow::rebuildLabels() {
    filterText = ui.filterEdit->text();
    reloadPage(filterText);
}

void MainWindow::updatePageLabel() {
    ui.pageLabel->setText(text("Seite %1/%2")
                              .arg(ui.pagePreview->currentPage + 1)
                              .arg(qint64(ui.pagePreview->lastPageIndex()) + 1));
}

void MainWindow::slotImportXLS() {
    const QString path = QFileDialog::getOpenFileName(
        this, text("Exceldatei öffnen"), QDir::homePath() + QStringLiteral("/Eigene Dateien/"),
        text("Excel Dateien (*.xls)"));
    if (path.isEmpty())
        return;
    importXLSFile(path);
}

bool MainWindow::importXLSFile(const QString &path) {
    // Built apart and swapped in only on success, so a failure leaves the
    // previous import, its labels and the settings as they were.
    auto imported = std::make_unique<QXLSImporter>(nullptr);
    imported->importFile(path);
    if (imported->errorCode() != xls::ReadErrorCode::None) {
        tellImportFailed(path, *imported);
        return false;
    }
    adoptImporter(imported.release());
    return true;
}

void MainWindow::adoptImporter(QXLSImporter *imported) {
    imported->setParent(this);
    // One current importer: the previous one and its workbook go now.
    delete std::exchange(importer, imported);
    labelSource.reset();

    ui.pagePreview->setLabelDimensions(defaultLabelWidthMm, defaultLabelHeightMm);
    fillColumnCombos();
    {
        // Showing the reset size must not apply it a second time.
        const QSignalBlocker blockHeight(heightSpin);
        const QSignalBlocker blockWidth(widthSpin);
        widthSpin->setValue(ui.pagePreview->labelWidth);
        heightSpin->setValue(ui.pagePreview->labelHeight);
    }
    slotUpdateFileInfo();
    rebuildLabels();
}

void MainWindow::fillColumnCombos() {
    // The labels are rebuilt once, after the choice is complete.
    const QSignalBlocker blockCount(countCombo);
    const QSignalBlocker blockName(nameCombo);
    const QStringList captions = importer->headerRow();
    countCombo->clear();
    nameCombo->clear();
    countCombo->addItems(captions);
    nameCombo->addItems(captions);
    const ColumnChoice choice = chooseColumns(captions);
    countCombo->setCurrentIndex(choice.quantityColumn);
    nameCombo->setCurrentIndex(choice.nameColumn);
}

void MainWindow::tellImportFailed(const QString &path, const QXLSImporter &failed) {
    // Window-modal and opened without waiting for it.
    auto *message = new QMessageBox(
        QMessageBox::Warning, text("Import fehlgeschlagen"),
        text("Die Datei „%1“ konnte nicht importiert werden.").arg(QFileInfo(path).fileName()),
        QMessageBox::Ok, this);
    message->setObjectName(QStringLiteral("importFailedMessage"));
    message->setInformativeText(importFailureReason(failed.errorCode()));
    message->setDetailedText(failed.errorString());
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->setWindowModality(Qt::WindowModal);
    message->open();
}

void MainWindow::slotImportXML() {
    tellNotAvailable();
}

void MainWindow::slotImportCVS() {
    tellNotAvailable();
}

void MainWindow::tellNotAvailable() {
    QMessageBox::information(this, text("TODO"), text("Diese Funktion ist noch nicht verfügbar."));
}

void MainWindow::slotUpdateFileInfo() {
    if (!importer)
        return;
    fileItem->setText(1, importer->fileInfo(QStringLiteral("NAME")));
    rowsItem->setText(1, importer->fileInfo(QStringLiteral("ROWS")));
    columnsItem->setText(1, importer->fileInfo(QStringLiteral("COLUMNS")));
    const LabelSheet sheet = ui.pagePreview->labelSheet();
    labelColumnsItem->setText(1, QString::number(sheet.columns));
    labelRowsItem->setText(1, QString::number(sheet.rows));
}

void MainWindow::setLabelSize() {
    ui.pagePreview->setLabelDimensions(widthSpin->value(), heightSpin->value());
    slotUpdateFileInfo();
    rebuildLabels();
}

void MainWindow::printPages() {
    ui.pagePreview->printPage();
}

void MainWindow::selectFont() {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, ui.pagePreview->labelFont, this);
    if (!chosen)
        return;
    ui.pagePreview->labelFont = font;
    ui.pagePreview->update();
    rebuildLabels();
}

void MainWindow::nextPage() {
    ui.pagePreview->showNextPage();
    updatePageLabel();
}

void MainWindow::previousPage() {
    ui.pagePreview->showPreviousPage();
    updatePageLabel();
}

void MainWindow::reloadPage(QString filter) {
    if (!importer)
        return;
    filterText = filter;
    const ColumnChoice columns{nameCombo->currentIndex(), countCombo->currentIndex()};
    if (!labelSource || labelSourceColumns != columns) {
        labelSource.emplace(importer->columnData(columns.nameColumn),
                            importer->columnData(columns.quantityColumn));
        labelSourceColumns = columns;
    }
    ui.pagePreview->setLabels(labelSource->filtered(filterText));
    updatePageLabel();
}

void MainWindow::about() {
    // No parent: a window of its own, and each call opens another one.
    auto *dialog = new AboutDialog;
    dialog->ui.setupUi(dialog);
    connect(dialog->ui.aboutCloseButton, SIGNAL(clicked()), dialog, SLOT(close()));
    // Closing only hides it; it goes when the program's window goes.
    connect(this, &QObject::destroyed, dialog, [dialog] { delete dialog; });
    dialog->show();
}

void MainWindow::scrollToName(QString name) {
    ui.pagePreview->findName(name);
    updatePageLabel();
}

void MainWindow::showSheet() {
    // The size spins belong to the grid; a chosen sheet brings its own size.
    const bool grid = !ui.pagePreview->chosenSheet.has_value();
    widthSpin->setEnabled(grid);
    heightSpin->setEnabled(grid);
    slotUpdateFileInfo();
    updatePageLabel();
}
