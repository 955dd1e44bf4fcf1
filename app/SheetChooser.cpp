#include "app/SheetChooser.h"

#include "app/Settings.h"
#include "app/SheetEditorDialog.h"
#include "pages/GLabelsTemplates.h"
#include "pages/LabelSheetCatalogue.h"
#include "pages/QPagePreview.h"
#include "pages/TestPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>

namespace {
constexpr double offsetStepMm = 0.1;
constexpr int noSheet = -1;
constexpr int sheetTitleChars = 28;

// The context these texts are filed under in the translation.
struct SheetChooserTexts {
    Q_DECLARE_TR_FUNCTIONS(SheetChooser)
};

QString sheetTitle(const LabelSheet &sheet) {
    if (sheet.isRoll())
        return QStringLiteral("%1 %2 – %3 (%4)")
            .arg(sheet.maker, sheet.codes.join(QStringLiteral(", ")), sheet.description,
                 sheet.continuous
                     ? SheetChooserTexts::tr("Endlosband %1 mm")
                           .arg(formatMillimetres(sheet.labelWidth))
                     : SheetChooserTexts::tr("%1 mm, Rolle").arg(formatLabelSize(sheet)));
    return QStringLiteral("%1 %2 – %3 (%4 mm, %5 × %6)")
        .arg(sheet.maker, sheet.codes.join(QStringLiteral(", ")), sheet.description,
             formatLabelSize(sheet))
        .arg(sheet.columns)
        .arg(sheet.rows);
}

QDoubleSpinBox *newOffsetSpin(const char *name) {
    auto *spin = new QDoubleSpinBox;
    spin->setObjectName(QLatin1String(name));
    spin->setLocale(QLocale(QLocale::German, QLocale::Germany));
    spin->setRange(-maximumPrinterOffsetMm, maximumPrinterOffsetMm);
    spin->setSingleStep(offsetStepMm);
    spin->setDecimals(1);
    spin->setSuffix(QStringLiteral(" mm"));
    return spin;
}

// The offsets are kept per printer: the caption names the one they are for.
QString offsetCaption(const QString &printer) {
    return printer.isEmpty() ? SheetChooserTexts::tr("Korrektur (kein Drucker)")
                             : SheetChooserTexts::tr("Korrektur für «%1»").arg(printer);
}

QPushButton *newButton(const char *name, const QString &text) {
    auto *button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    return button;
}
} // namespace

SheetChooser::SheetChooser(QTreeWidget *tree, QPagePreview *preview, QObject *parent)
    : QObject(parent), preview(preview) {
    kept = Settings().sheets();
    printerName = QPrinterInfo::defaultPrinterName();
    preview->setPrinterOffsets(kept.printerOffsets);
    preview->setFramesOnPaper(kept.framesOnPaper);
    rebuildList();
    buildItems(tree);
    // Choosing a roll takes its own orientation; the one kept comes after.
    const bool turned = kept.rollTurned;
    chooseSheet(kept.chosenMaker, kept.chosenCode);
    if (chosen != noSheet && all.at(chosen).isRoll() && turned != kept.rollTurned) {
        kept.rollTurned = turned;
        applyChosen();
    }
}

QWidget *SheetChooser::parentWidget() const {
    return preview->window();
}

void SheetChooser::rebuildList() {
    all = LabelSheetCatalogue::builtIn().sheets();
    builtInCount = all.size();
    all += kept.importedSheets;
    importedCount = kept.importedSheets.size();
    all += kept.ownSheets;
    // Search texts made once per change of the list, not per keystroke.
    searchable = LabelSheetCatalogue();
    for (const LabelSheet &sheet : all)
        searchable.add(sheet);
}

void SheetChooser::buildItems(QTreeWidget *tree) {
    groupItem = new QTreeWidgetItem(tree, {SheetChooserTexts::tr("Etikettenbogen"), QString()});
    auto child = [this](const QString &caption) {
        return new QTreeWidgetItem(groupItem, {caption, QString()});
    };
    auto *chooser = new QWidget;
    auto *chooserLayout = new QVBoxLayout(chooser);
    chooserLayout->setContentsMargins(0, 0, 0, 0);
    searchEdit = new QLineEdit;
    searchEdit->setObjectName(QStringLiteral("sheetSearchEdit"));
    searchEdit->setPlaceholderText(
        SheetChooserTexts::tr("Suchen: L7160, Namensschild, 63,5 x 38,1"));
    searchEdit->setClearButtonEnabled(true);
    combo = new QComboBox;
    combo->setObjectName(QStringLiteral("sheetCombo"));
    // As wide as a short title, not the longest one; the list shows them whole.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(sheetTitleChars);
    chooserLayout->addWidget(searchEdit);
    chooserLayout->addWidget(combo);
    tree->setItemWidget(child(SheetChooserTexts::tr("Bogen")), 1, chooser);
    sizeItem = child(SheetChooserTexts::tr("Etiketten"));

    startSpin = new QSpinBox;
    startSpin->setObjectName(QStringLiteral("startSpin"));
    startSpin->setPrefix(SheetChooserTexts::tr("Etikett "));
    startItem = child(SheetChooserTexts::tr("Beginnen bei"));
    tree->setItemWidget(startItem, 1, startSpin);
    buildRollItems(child);

    framesCheck = new QCheckBox(SheetChooserTexts::tr("Rahmen drucken"));
    framesCheck->setObjectName(QStringLiteral("framesCheck"));
    framesCheck->setChecked(kept.framesOnPaper);
    tree->setItemWidget(child(SheetChooserTexts::tr("Rahmen")), 1, framesCheck);

    auto *offsets = new QWidget;
    auto *offsetLayout = new QHBoxLayout(offsets);
    offsetLayout->setContentsMargins(0, 0, 0, 0);
    offsetXSpin = newOffsetSpin("offsetXSpin");
    offsetYSpin = newOffsetSpin("offsetYSpin");
    offsetXSpin->setPrefix(SheetChooserTexts::tr("→ "));
    offsetYSpin->setPrefix(SheetChooserTexts::tr("↓ "));
    const QPointF offset = kept.printerOffsets.value(printerName);
    offsetXSpin->setValue(offset.x());
    offsetYSpin->setValue(offset.y());
    offsetLayout->addWidget(offsetXSpin);
    offsetLayout->addWidget(offsetYSpin);
    offsetItem = child(offsetCaption(printerName));
    offsetItem->setToolTip(0, offsetItem->text(0));
    tree->setItemWidget(offsetItem, 1, offsets);
    tree->setItemWidget(child(QString()), 1, buttonRow());

    filterList(QString());
    connect(searchEdit, &QLineEdit::textChanged, this, &SheetChooser::filterList);
    connect(combo, &QComboBox::activated, this,
            [this](int row) { choose(combo->itemData(row).toInt()); });
    connect(startSpin, &QSpinBox::valueChanged, this, &SheetChooser::applyStart);
    connect(framesCheck, &QCheckBox::toggled, this, [this](bool on) {
        this->preview->setFramesOnPaper(on);
        kept.framesOnPaper = on;
        save();
    });
    connect(offsetXSpin, &QDoubleSpinBox::valueChanged, this, &SheetChooser::applyOffset);
    connect(offsetYSpin, &QDoubleSpinBox::valueChanged, this, &SheetChooser::applyOffset);
}

void SheetChooser::buildRollItems(const std::function<QTreeWidgetItem *(const QString &)> &child) {
    tapeLengthSpin = new QDoubleSpinBox;
    tapeLengthSpin->setObjectName(QStringLiteral("tapeLengthSpin"));
    tapeLengthSpin->setLocale(QLocale(QLocale::German, QLocale::Germany));
    tapeLengthSpin->setRange(minimumTapeLengthMm, maximumTapeLengthMm);
    tapeLengthSpin->setDecimals(1);
    tapeLengthSpin->setSuffix(QStringLiteral(" mm"));
    tapeLengthSpin->setValue(kept.tapeLengthMm);
    tapeLengthItem = child(SheetChooserTexts::tr("Bandlänge"));
    tapeLengthItem->treeWidget()->setItemWidget(tapeLengthItem, 1, tapeLengthSpin);
    turnedCheck = new QCheckBox(SheetChooserTexts::tr("Gedreht (quer gelesen)"));
    turnedCheck->setObjectName(QStringLiteral("turnedCheck"));
    turnedCheck->setToolTip(
        SheetChooserTexts::tr("Das Etikett wird mit der schmalen Seite voran eingezogen und "
                              "gedreht bedruckt, so dass es quer gelesen wird."));
    turnedItem = child(SheetChooserTexts::tr("Ausrichtung"));
    turnedItem->treeWidget()->setItemWidget(turnedItem, 1, turnedCheck);
    connect(tapeLengthSpin, &QDoubleSpinBox::valueChanged, this, [this](double mm) {
        kept.tapeLengthMm = mm;
        applyChosen();
    });
    connect(turnedCheck, &QCheckBox::toggled, this, [this](bool on) {
        kept.rollTurned = on;
        applyChosen();
    });
}

QWidget *SheetChooser::buttonRow() {
    auto *row = new QWidget;
    auto *layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton *testPage =
        newButton("testPageButton", SheetChooserTexts::tr("Testseite drucken..."));
    QPushButton *importButton =
        newButton("importTemplatesButton", SheetChooserTexts::tr("Vorlagen importieren..."));
    QPushButton *newSheet = newButton("newSheetButton", SheetChooserTexts::tr("Eigener Bogen..."));
    editButton = newButton("editSheetButton", SheetChooserTexts::tr("Bogen bearbeiten..."));
    deleteButton = newButton("deleteSheetButton", SheetChooserTexts::tr("Bogen löschen"));
    for (QPushButton *button : {testPage, importButton, newSheet, editButton, deleteButton})
        layout->addWidget(button);
    connect(testPage, &QPushButton::clicked, this, &SheetChooser::printTestPage);
    connect(importButton, &QPushButton::clicked, this, &SheetChooser::askForTemplates);
    connect(newSheet, &QPushButton::clicked, this, [this] {
        LabelSheet start = preview->labelSheet();
        start.codes = {SheetChooserTexts::tr("Eigener Bogen")};
        start.maker = SheetChooserTexts::tr("Eigene");
        openEditor(start);
    });
    connect(editButton, &QPushButton::clicked, this, [this] {
        if (chosenIsOwn())
            openEditor(all.at(chosen));
    });
    connect(deleteButton, &QPushButton::clicked, this, &SheetChooser::deleteChosenOwnSheet);
    return row;
}

void SheetChooser::filterList(const QString &query) {
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItem(SheetChooserTexts::tr("Einfaches Raster (ganze Millimeter)"), noSheet);
    const QList<qsizetype> found = searchable.search(query);
    for (qsizetype index : found)
        combo->addItem(sheetTitle(all.at(index)), int(index));
    // Typing finds a sheet: the first match is chosen unless the chosen
    // sheet is among the matches.
    const bool keepChoice = chosen != noSheet ? found.contains(chosen) : query.trimmed().isEmpty();
    if (!keepChoice && !found.isEmpty())
        choose(int(found.first()));
    else
        combo->setCurrentIndex(combo->findData(chosen));
}

void SheetChooser::choose(int index) {
    chosen = index >= 0 && index < all.size() ? index : noSheet;
    // A roll prints the way its maker feeds it until the user turns it.
    if (chosen != noSheet && all.at(chosen).isRoll())
        kept.rollTurned = all.at(chosen).turned;
    applyChosen();
}

std::optional<LabelSheet> SheetChooser::chosenSheet() const {
    if (chosen == noSheet)
        return std::nullopt;
    LabelSheet sheet = all.at(chosen).withTapeLength(kept.tapeLengthMm);
    if (sheet.isRoll())
        sheet.turned = kept.rollTurned;
    return sheet;
}

void SheetChooser::applyChosen() {
    preview->setLabelSheet(chosenSheet());
    kept.chosenMaker = chosen == noSheet ? QString() : all.at(chosen).maker;
    kept.chosenCode = chosen == noSheet ? QString() : all.at(chosen).code();
    showChosen();
    save();
    emit sheetChanged();
}

void SheetChooser::showChosen() {
    const QSignalBlocker blockCombo(combo);
    const QSignalBlocker blockStart(startSpin);
    const int row = combo->findData(chosen);
    combo->setCurrentIndex(row);
    const LabelSheet sheet = preview->labelSheet();
    if (sheet.isRoll())
        sizeItem->setText(
            1, SheetChooserTexts::tr("%1 mm, Rolle (1 je Seite)").arg(formatLabelSize(sheet)));
    else
        sizeItem->setText(1, SheetChooserTexts::tr("%1 mm, %2 × %3 (%4 je Bogen)")
                                 .arg(formatLabelSize(sheet))
                                 .arg(sheet.columns)
                                 .arg(sheet.rows)
                                 .arg(sheet.labelsPerPage()));
    // Each label of a roll starts a page: there is no start position.
    startItem->setHidden(sheet.isRoll());
    tapeLengthItem->setHidden(!sheet.continuous);
    turnedItem->setHidden(!sheet.isRoll());
    {
        const QSignalBlocker blockTape(tapeLengthSpin);
        const QSignalBlocker blockTurned(turnedCheck);
        tapeLengthSpin->setValue(kept.tapeLengthMm);
        turnedCheck->setChecked(sheet.turned);
    }
    startSpin->setRange(1, int(std::max<std::int64_t>(1, sheet.labelsPerPage())));
    startSpin->setValue(int(preview->labelJob().startSlot()) + 1);
    editButton->setEnabled(chosenIsOwn());
    deleteButton->setEnabled(chosenIsOwn());
}

void SheetChooser::applyStart() {
    preview->setStartSlot(startSpin->value() - 1);
    emit sheetChanged();
}

void SheetChooser::applyOffset() {
    kept.printerOffsets.insert(printerName, QPointF(offsetXSpin->value(), offsetYSpin->value()));
    preview->setPrinterOffsets(kept.printerOffsets);
    save();
}

void SheetChooser::save() {
    Settings().setSheets(kept);
}

int SheetChooser::indexOf(const QString &maker, const QString &code) const {
    for (qsizetype index = all.size() - 1; index >= 0; --index)
        if (all[index].maker == maker && all[index].codes.contains(code, Qt::CaseInsensitive))
            return int(index);
    return noSheet;
}

bool SheetChooser::chooseSheet(const QString &maker, const QString &code) {
    const int index = code.isEmpty() ? noSheet : indexOf(maker, code);
    if (!code.isEmpty() && index == noSheet)
        return false;
    if (combo->findData(index) < 0) {
        const QSignalBlocker blocker(searchEdit);
        searchEdit->clear();
        filterList(QString());
    }
    choose(index);
    return true;
}

bool SheetChooser::chosenIsOwn() const {
    return chosen >= builtInCount + importedCount;
}

QString SheetChooser::importTemplates(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SheetChooserTexts::tr("Die Datei „%1“ kann nicht gelesen werden.")
            .arg(QFileInfo(path).fileName());
    if (file.size() > maximumTemplateFileBytes)
        return SheetChooserTexts::tr("Die Datei „%1“ ist zu groß für eine Vorlagendatei.")
            .arg(QFileInfo(path).fileName());
    const GLabelsImport read = readGLabelsTemplates(file.readAll(), QFileInfo(path).fileName());
    if (!read.error.isEmpty())
        return read.error;
    for (const LabelSheet &sheet : read.sheets) {
        auto same =
            std::find_if(kept.importedSheets.begin(), kept.importedSheets.end(),
                         [&sheet](const LabelSheet &other) {
                             return other.maker == sheet.maker && other.code() == sheet.code();
                         });
        if (same != kept.importedSheets.end())
            *same = sheet;
        else
            kept.importedSheets.append(sheet);
    }
    const QString chosenMaker = kept.chosenMaker;
    const QString chosenCode = kept.chosenCode;
    rebuildList();
    chooseSheet(chosenMaker, chosenCode);
    QString summary = SheetChooserTexts::tr("%1 Etikettenbögen übernommen, %2 übersprungen.")
                          .arg(read.sheets.size())
                          .arg(read.skipped.size());
    if (!read.skipped.isEmpty())
        summary += QLatin1Char('\n') + read.skipped.join(QLatin1Char('\n'));
    return summary;
}

void SheetChooser::askForTemplates() {
    const QString path = QFileDialog::getOpenFileName(
        parentWidget(), SheetChooserTexts::tr("gLabels-Vorlagen importieren"),
        QStringLiteral("/usr/share/libglabels-3.0/templates"),
        SheetChooserTexts::tr("gLabels-Vorlagen (*.xml)"));
    if (path.isEmpty())
        return;
    const QString summary = importTemplates(path);
    auto *message =
        new QMessageBox(QMessageBox::Information, SheetChooserTexts::tr("Vorlagen importieren"),
                        summary.section(QLatin1Char('\n'), 0, 0), QMessageBox::Ok, parentWidget());
    message->setObjectName(QStringLiteral("templatesImportedMessage"));
    message->setDetailedText(summary.section(QLatin1Char('\n'), 1));
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->setWindowModality(Qt::WindowModal);
    message->open();
}

void SheetChooser::saveOwnSheet(const LabelSheet &sheet) {
    auto same = std::find_if(kept.ownSheets.begin(), kept.ownSheets.end(),
                             [&sheet](const LabelSheet &other) {
                                 return other.maker == sheet.maker && other.code() == sheet.code();
                             });
    if (same != kept.ownSheets.end())
        *same = sheet;
    else
        kept.ownSheets.append(sheet);
    rebuildList();
    chooseSheet(sheet.maker, sheet.code());
}

void SheetChooser::useSheet(const std::optional<LabelSheet> &sheet) {
    if (!sheet)
        chooseSheet(QString(), QString());
    else if (!chooseSheet(sheet->maker, sheet->code()))
        saveOwnSheet(*sheet);
    if (!sheet || !sheet->isRoll() || chosen == noSheet || !all.at(chosen).isRoll())
        return;
    // The design's orientation and tape length on the roll it names.
    kept.rollTurned = sheet->turned;
    if (sheet->continuous)
        kept.tapeLengthMm = sheet->labelHeight;
    applyChosen();
}

bool SheetChooser::deleteChosenOwnSheet() {
    if (!chosenIsOwn())
        return false;
    kept.ownSheets.removeAt(chosen - builtInCount - importedCount);
    rebuildList();
    chooseSheet(QString(), QString());
    return true;
}

void SheetChooser::openEditor(const LabelSheet &start) {
    auto *editor = new SheetEditorDialog(parentWidget());
    editor->setSheet(start);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor, &QDialog::accepted, this, [this, editor] { saveOwnSheet(editor->sheet()); });
    editor->open();
}

void SheetChooser::printTestPage() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parentWidget());
    dialog.setWindowTitle(SheetChooserTexts::tr("Testseite drucken (Normalpapier)"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    ::printTestPage(printer, preview->labelSheet(),
                    kept.printerOffsets.value(printer.printerName()));
}
