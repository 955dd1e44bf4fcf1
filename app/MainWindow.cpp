#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/ColumnChoice.h"
#include "app/ImportFailureText.h"
#include "app/StyleSheet.h"
#include "app/TextImportDialog.h"
#include "import/QXLSImporter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>

#include <memory>
#include <utility>

namespace {
constexpr int defaultLabelWidthMm = 100;
constexpr int defaultLabelHeightMm = 10;
constexpr int defaultLabelPointSize = 10;
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
    ui.actionOeffnen->setShortcut(QKeySequence::Open);
    connect(ui.actionOeffnen, SIGNAL(triggered()), this, SLOT(slotOpen()));
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
    // "Arial" is matched by a metric-compatible face where it is not installed.
    ui.pagePreview->labelFont = QFont(QStringLiteral("Arial"), defaultLabelPointSize);
    ui.pagePreview->update();

    buildSettingsTree();
    applyStyleSheet();
    setAcceptDrops(true);
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

QString MainWindow::chooseFile(const char *caption, const char *filter) {
    return QFileDialog::getOpenFileName(
        this, text(caption), QDir::homePath() + QStringLiteral("/Eigene Dateien/"), text(filter));
}

void MainWindow::slotOpen() {
    const QString path = chooseFile(
        "Datei öffnen", "Alle unterstützten Dateien (*.xls *.xlsx *.xlsm *.ods *.fods *.xml *.csv "
                        "*.txt *.tsv);;Alle Dateien (*)");
    if (!path.isEmpty())
        openFile(path);
}

void MainWindow::slotImportXLS() {
    const QString path = chooseFile("Exceldatei öffnen", "Excel Dateien (*.xls)");
    if (path.isEmpty())
        return;
    importXLSFile(path);
}

bool MainWindow::importXLSFile(const QString &path) {
    return importFile(path, {});
}

bool MainWindow::openFile(const QString &path) {
    if (TextImportDialog::isTextFile(path))
        return importTextFile(path);
    return importFile(path, {});
}

void MainWindow::openFileFromArguments(const QStringList &arguments) {
    if (arguments.size() < 2)
        return;
    const QString path = arguments.at(1);
    // Once the window is shown, so the dialogs have a parent on screen.
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

bool MainWindow::importTextFile(const QString &path) {
    TextImportDialog dialog(path, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return importFile(path, dialog.loadOptions());
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    const QString path = urls.first().toLocalFile();
    // After the drop has finished: the source application is not kept
    // waiting while a dialog is open.
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

bool MainWindow::importFile(const QString &path, const LoadOptions &options) {
    // Built apart and swapped in only on success, so a failure leaves the
    // previous import, its labels and the settings as they were.
    auto imported = std::make_unique<QXLSImporter>(nullptr);
    imported->setLoadOptions(options);
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
    message->setInformativeText(importFailureReason(failed.errorCode(), failed.errorLine()));
    message->setDetailedText(failed.errorString());
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->setWindowModality(Qt::WindowModal);
    message->open();
}

void MainWindow::slotImportXML() {
    const QString path =
        chooseFile("Arbeitsmappe öffnen",
                   "Arbeitsmappen (*.xlsx *.xlsm *.ods *.fods *.xml);;Alle Dateien (*)");
    if (!path.isEmpty())
        openFile(path);
}

void MainWindow::slotImportCVS() {
    const QString path =
        chooseFile("Textdatei öffnen", "Textdateien (*.csv *.txt *.tsv);;Alle Dateien (*)");
    if (!path.isEmpty())
        openFile(path);
}

void MainWindow::slotUpdateFileInfo() {
    if (!importer)
        return;
    fileItem->setText(1, importer->fileInfo(QStringLiteral("NAME")));
    rowsItem->setText(1, importer->fileInfo(QStringLiteral("ROWS")));
    columnsItem->setText(1, importer->fileInfo(QStringLiteral("COLUMNS")));
    labelColumnsItem->setText(1, QString::number(ui.pagePreview->labelColumns));
    labelRowsItem->setText(1, QString::number(ui.pagePreview->labelRows));
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
