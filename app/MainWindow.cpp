#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/ColumnChoice.h"
#include "app/DesignDialog.h"
#include "app/DesignState.h"
#include "app/FullNameOffer.h"
#include "app/ImportFailureText.h"
#include "app/JobProgress.h"
#include "app/LabelTextEditor.h"
#include "app/PasswordDialog.h"
#include "app/PreviewSelection.h"
#include "app/ReceptionDesk.h"
#include "app/Settings.h"
#include "app/SettingsTreeFit.h"
#include "app/SheetChooser.h"
#include "app/StatusText.h"
#include "app/StyleSheet.h"
#include "app/TextImportDialog.h"
#include "import/QXLSImporter.h"
#include "pages/LabelSearch.h"
#include "pages/PreviewZoom.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>

#include <memory>
#include <utility>

namespace {

// Room for the settings tree beside the preview when no width is remembered.
constexpr int treeWidthPx = 320;
constexpr int previewWidthPx = 640;

// The window's texts share the form's translation context.
// The context these texts are filed under in the translation.
struct MainWindowTexts {
    Q_DECLARE_TR_FUNCTIONS(MainWindowClass)
};

QSpinBox *newSizeSpin(const char *name, int maximum) {
    auto *spin = new QSpinBox;
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimumLabelSizeMm, maximum);
    spin->setSingleStep(1);
    spin->setSuffix(MainWindowTexts::tr("mm"));
    return spin;
}

QComboBox *newColumnCombo(const char *name) {
    auto *combo = new QComboBox;
    combo->setObjectName(QLatin1String(name));
    return combo;
}

QString fontDescription(const QFont &font) {
    const qreal points = font.pointSizeF();
    return points > 0 ? MainWindowTexts::tr("%1, %2 pt").arg(font.family()).arg(points)
                      : MainWindowTexts::tr("%1, %2 px").arg(font.family()).arg(font.pixelSize());
}

} // namespace

MainWindow::MainWindow(QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags), settings(Settings().window()) {
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

    ui.pagePreview->setLabelDimensions(settings.labelWidthMm, settings.labelHeightMm);
    ui.pagePreview->labelFont = settings.labelFont;
    // Long print runs show their pages and may be cancelled.
    ui.pagePreview->printProgress = [this] {
        return JobProgress::printCallback(this);
    };

    buildSettingsTree();
    buildFullNameOffer();
    buildDesign();
    buildPageRow();
    buildSearchKeys();
    buildDesk();
    previewSelection = new PreviewSelection(ui.pagePreview, this);
    sheetChooser = new SheetChooser(ui.fileInfoTree, ui.pagePreview, this);
    connect(sheetChooser, &SheetChooser::sheetChanged, this, &MainWindow::showSheet);
    refitSettingsTree(*ui.fileInfoTree);
    applySettings();
    showSheet();
    applyStyleSheet();
    updatePageLabel();
    updateStatus();
    setAcceptDrops(true);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildSettingsTree() {
    fileItem = new QTreeWidgetItem(ui.fileInfoTree, {MainWindowTexts::tr("Datei"), QString()});
    auto child = [this](const char *caption) {
        return new QTreeWidgetItem(fileItem, {MainWindowTexts::tr(caption), QString()});
    };
    rowsItem = child(QT_TRANSLATE_NOOP("MainWindowClass", "Reihen"));
    columnsItem = child(QT_TRANSLATE_NOOP("MainWindowClass", "Spalten"));
    labelColumnsItem = child(QT_TRANSLATE_NOOP("MainWindowClass", "Labelspalten"));
    labelRowsItem = child(QT_TRANSLATE_NOOP("MainWindowClass", "Labelreihen"));
    labelWidthItem = child(QT_TRANSLATE_NOOP("MainWindowClass", "Labelbreite"));
    labelHeightItem = child(QT_TRANSLATE_NOOP("MainWindowClass", "Labelhöhe"));
    fontItem = child(QT_TRANSLATE_NOOP("MainWindowClass", "Schriftart"));
    headerItem = child(QT_TRANSLATE_NOOP("MainWindowClass", "Kopfzeile nicht drucken"));
    nameColumnItem = child(QT_TRANSLATE_NOOP("MainWindowClass", "Spalte Namen"));
    countColumnItem = child(QT_TRANSLATE_NOOP("MainWindowClass", "Spalte Anzahl"));

    countCombo = newColumnCombo("countCombo");
    nameCombo = newColumnCombo("nameCombo");
    heightSpin = newSizeSpin("heightSpin", maximumLabelHeightMm);
    widthSpin = newSizeSpin("widthSpin", maximumLabelWidthMm);
    headerCheck = new QCheckBox;
    headerCheck->setObjectName(QStringLiteral("headerCheck"));
    headerCheck->setToolTip(
        MainWindowTexts::tr("Zeile 1 (die Spaltenüberschriften) ergibt kein Label."));
    // Set before connecting, so that showing the settings does not apply them again.
    widthSpin->setValue(ui.pagePreview->labelWidth);
    heightSpin->setValue(ui.pagePreview->labelHeight);
    headerCheck->setChecked(settings.skipCaptionRow);
    connectSizeSpins();
    showFontName();

    ui.fileInfoTree->setItemWidget(nameColumnItem, 1, nameCombo);
    ui.fileInfoTree->setItemWidget(countColumnItem, 1, countCombo);
    ui.fileInfoTree->setItemWidget(labelWidthItem, 1, widthSpin);
    ui.fileInfoTree->setItemWidget(labelHeightItem, 1, heightSpin);
    ui.fileInfoTree->setItemWidget(headerItem, 1, headerCheck);
    buildMergeCheck();
    labelTextEditor = new LabelTextEditor(fileItem, this);
    fileItem->setExpanded(true);

    connect(countCombo, &QComboBox::currentIndexChanged, this, [this] { rebuildLabels(); });
    connect(nameCombo, &QComboBox::currentIndexChanged, this, [this] {
        // Line 1 follows the name column while it reads that column alone.
        const QSignalBlocker blockText(labelTextEditor);
        labelTextEditor->setNameColumn(nameCombo->currentIndex());
        rebuildLabels();
    });
    connect(headerCheck, &QCheckBox::toggled, this, [this] { rebuildLabels(); });
    connect(labelTextEditor, &LabelTextEditor::changed, this, [this] { rebuildLabels(); });
}

void MainWindow::buildMergeCheck() {
    // The check box carries its own words across the row, so that its long
    // caption does not widen the caption column of every other row.
    auto *item = new QTreeWidgetItem(fileItem);
    item->setFirstColumnSpanned(true);
    mergeCheck = new QCheckBox(MainWindowTexts::tr("Gleiche Etiketten zusammenfassen"));
    mergeCheck->setObjectName(QStringLiteral("mergeCheck"));
    mergeCheck->setToolTip(
        MainWindowTexts::tr("Zeilen mit gleichem Label ergeben ein Label mit der Anzahl der "
                            "letzten solchen Zeile; sonst ist jede Zeile ein eigenes Label."));
    mergeCheck->setChecked(settings.mergeEqualLabels);
    ui.fileInfoTree->setItemWidget(item, 0, mergeCheck);
    connect(mergeCheck, &QCheckBox::toggled, this, [this] { rebuildLabels(); });
}

void MainWindow::buildFullNameOffer() {
    // Under the status line, which tells about the list it is about.
    fullNameOffer = new FullNameOffer;
    auto *column = qobject_cast<QBoxLayout *>(ui.statusLabel->parentWidget()->layout());
    column->insertWidget(column->indexOf(ui.statusLabel) + 1, fullNameOffer);
    connect(fullNameOffer, &FullNameOffer::accepted, labelTextEditor,
            [this](const QString &line) { labelTextEditor->setLine(0, line); });
}

void MainWindow::buildPageRow() {
    ui.firstButton->setIcon(style()->standardIcon(QStyle::SP_MediaSkipBackward));
    ui.lastButton->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));
    ui.pageEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    ui.zoomCombo->addItem(MainWindowTexts::tr("Ganze Seite"), 0);
    for (int percent : PreviewZoom::percentSteps())
        ui.zoomCombo->addItem(MainWindowTexts::tr("%1 %").arg(percent), percent);

    QPagePreview *preview = ui.pagePreview;
    connect(ui.firstButton, &QPushButton::clicked, preview, &QPagePreview::showFirstPage);
    connect(ui.lastButton, &QPushButton::clicked, preview, &QPagePreview::showLastPage);
    connect(ui.pageEdit, &QLineEdit::returnPressed, preview,
            [this] { ui.pagePreview->showTypedPage(ui.pageEdit->text()); });
    connect(preview, &QPagePreview::pageChanged, this, &MainWindow::updatePageLabel);
    connect(ui.zoomCombo, &QComboBox::currentIndexChanged, preview,
            [this](int index) { ui.pagePreview->setZoom(ui.zoomCombo->itemData(index).toInt()); });
    connect(preview, &QPagePreview::zoomChanged, this, [this](int percent) {
        const QSignalBlocker blockZoom(ui.zoomCombo);
        ui.zoomCombo->setCurrentIndex(std::max(0, ui.zoomCombo->findData(percent)));
    });
}

void MainWindow::applySettings() {
    if (settings.windowGeometry.isEmpty() || !restoreGeometry(settings.windowGeometry))
        resize(firstStartSize(screen()->availableGeometry().size(), size()));
    // The settings tree gets its contents' width; what the window has
    // beyond that widens the preview.
    ui.splitter->setStretchFactor(0, 0);
    ui.splitter->setStretchFactor(1, 1);
    if (settings.splitterState.isEmpty() || !ui.splitter->restoreState(settings.splitterState)) {
        const int tree = std::max(treeWidthPx, settingsTreeWidth(*ui.fileInfoTree));
        ui.splitter->setSizes({tree, std::max(previewWidthPx, width() - tree)});
    }
    ui.zoomCombo->setCurrentIndex(std::max(0, ui.zoomCombo->findData(settings.zoomPercent)));
}

void MainWindow::closeEvent(QCloseEvent *event) {
    settings.labelWidthMm = widthSpin->value();
    settings.labelHeightMm = heightSpin->value();
    settings.labelFont = ui.pagePreview->labelFont;
    settings.skipCaptionRow = headerCheck->isChecked();
    settings.mergeEqualLabels = mergeCheck->isChecked();
    settings.windowGeometry = saveGeometry();
    settings.splitterState = ui.splitter->saveState();
    settings.zoomPercent = ui.pagePreview->zoomPercent();
    Settings().setWindow(settings);
    event->accept();
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
    const QPagePreview *preview = ui.pagePreview;
    ui.pageEdit->setText(QString::number(qint64(preview->currentPage) + 1));
    ui.pageCountLabel->setText(MainWindowTexts::tr("/ %1").arg(preview->pageCount()));
    const bool atFirst = preview->currentPage <= 0;
    const bool atLast = preview->currentPage >= preview->lastPageIndex();
    ui.firstButton->setEnabled(!atFirst);
    ui.prevButton->setEnabled(!atFirst);
    ui.nextButton->setEnabled(!atLast);
    ui.lastButton->setEnabled(!atLast);
    ui.actionD_rucken->setEnabled(preview->labels.totalCopies() > 0);
}

void MainWindow::updateStatus() {
    const LabelMap &labels = ui.pagePreview->labels;
    LabelListFacts facts;
    facts.imported = importer != nullptr;
    facts.names = labels.size();
    facts.labels = labels.totalCopies();
    facts.filter = filterText;
    facts.search = ui.pagePreview->searchText;
    const SearchMatches &matches = ui.pagePreview->searchMatches();
    facts.searchMatches = matches.count();
    facts.currentMatch = matches.current() + 1;
    facts.rowsWithFractionalQuantity =
        labelSource ? labelSource->notes().rowsWithFractionalQuantity : 0;
    facts.namesWithoutCopies = labels.namesWithoutCopies();
    addRowNotes(facts);
    const DeskList &desked = desk->list();
    // The desk reads its people only once someone is marked.
    const qsizetype printed = desked.printedCount();
    ui.statusLabel->setText(
        withNote(withNote(withNote(labelListStatus(facts), largeQuantityNote(labels)),
                          designProblemNote(designState->problems())),
                 deskNote(printed, printed > 0 ? desked.people().size() : 0)));
}

void MainWindow::addRowNotes(LabelListFacts &facts) const {
    if (!labelSource)
        return;
    const LabelNotes &notes = labelSource->notes();
    facts.rowsMerged = notes.rowsMerged;
    facts.quantityColumn = labelSource->choice().quantityColumn != LabelChoice::noColumn;
    facts.captionRowPrinted = notes.captionRowPrinted;
    facts.rowsBelowCaptions = notes.rowsBelowCaptions > 0;
}

void MainWindow::showFontName() {
    fontItem->setText(1, fontDescription(ui.pagePreview->labelFont));
}

QString MainWindow::chooseFile(const char *caption, const char *filter) {
    return QFileDialog::getOpenFileName(this, MainWindowTexts::tr(caption),
                                        importStartFolder(settings.lastFolder),
                                        MainWindowTexts::tr(filter));
}

void MainWindow::slotOpen() {
    const QString path =
        chooseFile(QT_TRANSLATE_NOOP("MainWindowClass", "Datei öffnen"),
                   QT_TRANSLATE_NOOP(
                       "MainWindowClass",
                       "Alle unterstützten Dateien (*.xls *.xlsx *.xlsm *.ods *.fods *.xml *.csv "
                       "*.txt *.tsv);;Alle Dateien (*)"));
    if (!path.isEmpty())
        openFile(path);
}

void MainWindow::slotImportXLS() {
    const QString path = chooseFile(QT_TRANSLATE_NOOP("MainWindowClass", "Exceldatei öffnen"),
                                    QT_TRANSLATE_NOOP("MainWindowClass", "Excel Dateien (*.xls)"));
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

bool MainWindow::importFile(const QString &path, LoadOptions options) {
    // The progress dialog serves events while the list is read: a file
    // dropped or opened meanwhile is not imported into the import under way.
    if (importing)
        return false;
    const QScopedValueRollback busy(importing, true);
    JobProgress progress(this, JobProgress::importName, progressDelayMs);
    options.progress = progress.readingCallback();
    // Built apart and swapped in only on success, so a failure leaves the
    // previous import, its labels and the settings as they were.
    auto imported = std::make_unique<QXLSImporter>(nullptr);
    imported->setLoadOptions(options);
    imported->importFile(path);
    if (!askPasswordUntilImported(path, options, *imported))
        return false; // cancelled: nothing changes
    if (imported->errorCode() == xls::ReadErrorCode::Cancelled) {
        // Asked for, so no message box: the status line says it was not read.
        ui.statusLabel->setText(withNote(ui.statusLabel->text(), tr("Import abgebrochen.")));
        return false;
    }
    if (imported->errorCode() != xls::ReadErrorCode::None) {
        tellImportFailed(path, *imported);
        return false;
    }
    settings.lastFolder = QFileInfo(path).absolutePath();
    listPath = path;
    adoptImporter(imported.release());
    return true;
}

bool MainWindow::askPasswordUntilImported(const QString &path, LoadOptions options,
                                          QXLSImporter &imported) {
    using xls::ReadErrorCode;
    while (imported.errorCode() == ReadErrorCode::EncryptedWorkbook ||
           imported.errorCode() == ReadErrorCode::WrongPassword) {
        std::optional<QString> password = PasswordDialog::ask(
            this, QFileInfo(path).fileName(), imported.errorCode() == ReadErrorCode::WrongPassword);
        if (!password)
            return false;
        // The same import again, its progress shown, with the password.
        options.password = password->toStdString();
        password->fill(QLatin1Char('\0'));
        imported.setLoadOptions(options);
        std::fill(options.password.begin(), options.password.end(), '\0');
        imported.importFile(path);
    }
    return true;
}

void MainWindow::adoptImporter(QXLSImporter *imported) {
    imported->setParent(this);
    // One current importer: the previous one and its workbook go now.
    delete std::exchange(importer, imported);
    labelSource.reset();
    // The label size stays: the layout is the user's choice, not the file's.
    fillColumnCombos();
    if (designState->appliesColumns())
        applyDesignColumns(designState->design());
    slotUpdateFileInfo();
    fileItem->setExpanded(true);
    refitSettingsTree(*ui.fileInfoTree);
    rebuildLabels();
}

void MainWindow::fillColumnCombos() {
    // The labels are rebuilt once, after the choice is complete.
    const QSignalBlocker blockCount(countCombo);
    const QSignalBlocker blockName(nameCombo);
    const QStringList captions = importer->headerRow();
    const QStringList choosable = choosableCaptions(captions, importer->importedTable());
    countCombo->clear();
    nameCombo->clear();
    countCombo->addItems(choosable);
    // Last, so that index k stays sheet column k.
    countCombo->addItem(MainWindowTexts::tr("(keine)"));
    nameCombo->addItems(choosable);
    const ColumnChoice choice = chooseColumns(choosable);
    countCombo->setCurrentIndex(choice.quantityColumn == ColumnChoice::noColumn
                                    ? countCombo->count() - 1
                                    : choice.quantityColumn);
    nameCombo->setCurrentIndex(choice.nameColumn);
    const QSignalBlocker blockText(labelTextEditor);
    labelTextEditor->setTable(&importer->importedTable(), captions, choice.nameColumn);
    fullNameOffer->offerFor(captions, labelTextEditor->line(0));
}

ColumnChoice MainWindow::chosenColumns() const {
    const int quantity = countCombo->currentIndex();
    const bool none = quantity < 0 || quantity == countCombo->count() - 1;
    return {nameCombo->currentIndex(), none ? ColumnChoice::noColumn : quantity};
}

void MainWindow::tellImportFailed(const QString &path, const QXLSImporter &failed) {
    // Window-modal and opened without waiting for it.
    auto *message =
        new QMessageBox(QMessageBox::Warning, MainWindowTexts::tr("Import fehlgeschlagen"),
                        MainWindowTexts::tr("Die Datei „%1“ konnte nicht importiert werden.")
                            .arg(QFileInfo(path).fileName()),
                        QMessageBox::Ok, this);
    message->setObjectName(QStringLiteral("importFailedMessage"));
    message->setInformativeText(importFailureReason(failed.readError()));
    message->setDetailedText(importFailureDetail(failed.readError()));
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->setWindowModality(Qt::WindowModal);
    message->open();
}

void MainWindow::slotImportXML() {
    const QString path = chooseFile(
        QT_TRANSLATE_NOOP("MainWindowClass", "Arbeitsmappe öffnen"),
        QT_TRANSLATE_NOOP("MainWindowClass",
                          "Arbeitsmappen (*.xlsx *.xlsm *.ods *.fods *.xml);;Alle Dateien (*)"));
    if (!path.isEmpty())
        openFile(path);
}

void MainWindow::slotImportCVS() {
    const QString path = chooseFile(
        QT_TRANSLATE_NOOP("MainWindowClass", "Textdatei öffnen"),
        QT_TRANSLATE_NOOP("MainWindowClass", "Textdateien (*.csv *.txt *.tsv);;Alle Dateien (*)"));
    if (!path.isEmpty())
        openFile(path);
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
    showPrintRange();
    ui.pagePreview->printPage();
}

void MainWindow::showPrintRange() {
    updateStatus();
    const QPagePreview *preview = ui.pagePreview;
    ui.statusLabel->setText(withNote(ui.statusLabel->text(),
                                     printRangeNote(preview->currentPage, preview->pageCount())));
}

void MainWindow::selectFont() {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, ui.pagePreview->labelFont, this);
    if (!chosen)
        return;
    ui.pagePreview->labelFont = font;
    ui.pagePreview->viewport()->update();
    showFontName();
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
    const LabelChoice choice = labelChoice();
    // Kept between filter keystrokes: only another choice reads the table again.
    if (!labelSource || labelSource->choice() != choice) {
        labelSource.emplace(importer->importedTable(), choice);
        checkDesign();
        desk->setList(listPath, importer->importedTable(), importer->headerRow(), choice);
        showDeskMarks();
    }
    ui.pagePreview->setLabels(labelSource->filtered(filterText));
    updatePageLabel();
    updateStatus();
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
    updateStatus();
}

void MainWindow::buildSearchKeys() {
    // Return in the search field and F3 anywhere in the window go on to the
    // next match, Shift+F3 back to the previous one.
    auto step = [this](bool forward) {
        if (forward)
            ui.pagePreview->findNextName();
        else
            ui.pagePreview->findPreviousName();
        updateStatus();
    };
    connect(ui.searchEdit, &QLineEdit::returnPressed, this, [step] { step(true); });
    auto *next = new QShortcut(QKeySequence(Qt::Key_F3), this);
    next->setObjectName(QStringLiteral("findNextShortcut"));
    connect(next, &QShortcut::activated, this, [step] { step(true); });
    auto *previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), this);
    previous->setObjectName(QStringLiteral("findPreviousShortcut"));
    connect(previous, &QShortcut::activated, this, [step] { step(false); });
}

void MainWindow::showSheet() {
    // The size rows belong to the grid; a chosen sheet brings its own size,
    // which its "Etiketten" row shows.
    const bool grid = !ui.pagePreview->labelJob().chosenSheet().has_value();
    labelWidthItem->setHidden(!grid);
    labelHeightItem->setHidden(!grid);
    slotUpdateFileInfo();
    updatePageLabel();
}

LabelChoice MainWindow::labelChoice() const {
    LabelChoice chosen;
    chosen.text = labelTextEditor->labelTemplate();
    chosen.quantityColumn = chosenColumns().quantityColumn;
    chosen.skipCaptions = headerCheck->isChecked();
    chosen.mergeEqual = mergeCheck->isChecked();
    return withDesignColumns(chosen, designState->design(), importer->headerRow());
}

void MainWindow::buildDesign() {
    designState = new DesignState(labelTextEditor->headingItem(), this);
    designState->windowDesign = [this] {
        return windowDesign();
    };
    designState->openListPath = [this] {
        return importer ? settings.lastFolder + QLatin1Char('/') +
                              importer->fileInfo(QStringLiteral("NAME"))
                        : QString();
    };
    connect(designState, &DesignState::editRequested, this, &MainWindow::editDesign);
    connect(designState, &DesignState::opened, this, &MainWindow::applyDesign);
    connect(designState, &DesignState::changed, this, &MainWindow::showDesign);
    ui.pagePreview->setDesign(designState->design().look);
}

void MainWindow::editDesign() {
    DesignSubject subject;
    if (importer) {
        subject.table = &importer->importedTable();
        subject.captions = importer->headerRow();
        subject.choice = labelChoice();
    }
    subject.sheet = ui.pagePreview->labelSheet();
    SavedDesign start = designState->design();
    start.font = ui.pagePreview->labelFont;
    DesignDialog dialog(start, subject, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ui.pagePreview->labelFont = dialog.design().font;
    showFontName();
    designState->setEdited(dialog.design());
}

void MainWindow::showDesign() {
    ui.pagePreview->setDesign(designState->design().look);
    ui.pagePreview->viewport()->update();
    // Read again, so that the labels are checked against the new look.
    labelSource.reset();
    if (importer) {
        rebuildLabels();
        return;
    }
    checkDesign();
    updateStatus();
}

void MainWindow::checkDesign() {
    // The whole list, whatever the filter shows.
    LabelJob whole = ui.pagePreview->labelJob();
    whole.setLabels(labelSource ? labelSource->filtered(QString()) : LabelMap());
    designState->check(whole);
}

void MainWindow::applyDesign(const SavedDesign &design) {
    sheetChooser->useSheet(design.sheet);
    ui.pagePreview->labelFont = design.font;
    showFontName();
    if (importer)
        applyDesignColumns(design);
}

void MainWindow::applyDesignColumns(const SavedDesign &design) {
    // The labels are rebuilt once, by whoever applied the design.
    const QSignalBlocker blockText(labelTextEditor);
    const QSignalBlocker blockCount(countCombo);
    const QSignalBlocker blockHeader(headerCheck);
    const QSignalBlocker blockMerge(mergeCheck);
    const LabelChoice choice = design.choiceFor(importer->headerRow());
    if (!design.labelText.isEmpty())
        labelTextEditor->setText(design.labelText);
    // A design without a quantity column leaves the one the captions chose.
    if (!design.quantityCaption.isEmpty())
        countCombo->setCurrentIndex(choice.quantityColumn == LabelChoice::noColumn
                                        ? countCombo->count() - 1
                                        : choice.quantityColumn);
    headerCheck->setChecked(design.skipCaptions);
    mergeCheck->setChecked(design.mergeEqual);
    // A design that prints both names leaves nothing to offer.
    fullNameOffer->offerFor(importer->headerRow(), labelTextEditor->line(0));
}

SavedDesign MainWindow::windowDesign() const {
    SavedDesign design = designState->design();
    design.sheet = ui.pagePreview->labelJob().chosenSheet();
    design.font = ui.pagePreview->labelFont;
    design.labelText = labelTextEditor->text();
    if (importer) {
        const int quantity = chosenColumns().quantityColumn;
        design.quantityCaption = importer->headerRow().value(quantity);
    }
    design.skipCaptions = headerCheck->isChecked();
    design.mergeEqual = mergeCheck->isChecked();
    return design;
}

void MainWindow::buildDesk() {
    desk = new ReceptionDesk(this);
    desk->currentJob = [this] {
        return ui.pagePreview->labelJob();
    };
    connect(desk, &ReceptionDesk::recordChanged, this, [this] {
        showDeskMarks();
        updateStatus();
    });
    auto *open = new QAction(MainWindowTexts::tr("&Empfang"), this);
    open->setObjectName(QStringLiteral("actionEmpfang"));
    open->setShortcut(Qt::CTRL | Qt::Key_E);
    open->setIcon(style()->standardIcon(QStyle::SP_DialogYesButton));
    ui.menu_Datei->insertAction(ui.action_Beenden, open);
    ui.menu_Datei->insertSeparator(ui.action_Beenden);
    connect(open, &QAction::triggered, desk, &ReceptionDesk::showDesk);
}

void MainWindow::showDeskMarks() {
    ui.pagePreview->setPrintedRows(desk->list().printedRows());
}
