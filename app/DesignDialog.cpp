#include "app/DesignDialog.h"

#include "app/DesignState.h"
#include "pages/LabelArt.h"
#include "pages/TextFit.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

constexpr qreal largestPoints = 200;
constexpr qreal smallestPoints = 4;
constexpr qreal largestMm = 300;
// A category column with more values is no category (names, e-mails).
constexpr int maximumCategoryValues = 50;
constexpr int valueColumn = 0;
constexpr int colourColumn = 1;

// Soft colours for the values a category column brings, in turn.
const QColor categoryPalette[] = {QColor(0x4e, 0x79, 0xa7), QColor(0xf2, 0x8e, 0x2b),
                                  QColor(0x59, 0xa1, 0x4f), QColor(0xe1, 0x57, 0x59),
                                  QColor(0x76, 0xb7, 0xb2), QColor(0xed, 0xc9, 0x48),
                                  QColor(0xb0, 0x7a, 0xa1), QColor(0x9c, 0x75, 0x5f)};

QDoubleSpinBox *newMmSpin(const QString &name) {
    auto *spin = new QDoubleSpinBox;
    spin->setObjectName(name);
    spin->setLocale(QLocale(QLocale::German, QLocale::Germany));
    spin->setRange(0, largestMm);
    spin->setDecimals(1);
    spin->setSuffix(QStringLiteral(" mm"));
    return spin;
}

QComboBox *newCombo(const QString &name, const QStringList &items) {
    auto *combo = new QComboBox;
    combo->setObjectName(name);
    combo->addItems(items);
    return combo;
}

QIcon swatch(const QColor &colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour.isValid() ? colour : QColor(Qt::transparent));
    return QIcon(pixmap);
}

const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};

// One label, drawn by its job at the largest scale the widget allows.
class LabelDrawing : public QWidget {
public:
    explicit LabelDrawing(const LabelJob &job) : job(job) {
        setObjectName(QStringLiteral("designDrawing"));
        setMinimumSize(360, 240);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        const QRectF label = job.sheet().labelRect(0);
        constexpr qreal padding = 8;
        if (label.isEmpty() || width() <= 2 * padding || height() <= 2 * padding)
            return;
        const qreal scale = std::min((width() - 2 * padding) / label.width(),
                                     (height() - 2 * padding) / label.height());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate((width() - label.width() * scale) / 2 - label.left() * scale,
                          (height() - label.height() * scale) / 2 - label.top() * scale);
        job.drawPage(painter, 0, scale, LabelJob::Medium::Screen);
    }

private:
    const LabelJob &job;
};

// The sheet's label alone, on a sheet of its own from the paper's corner;
// a roll's label upright, as it reads.
LabelSheet oneLabel(LabelSheet sheet) {
    if (sheet.isRoll())
        return sheet.upright();
    sheet.columns = 1;
    sheet.rows = 1;
    sheet.leftMargin = 0;
    sheet.topMargin = 0;
    sheet.horizontalPitch = sheet.labelWidth;
    sheet.verticalPitch = sheet.labelHeight;
    return sheet;
}

} // namespace

DesignDialog::DesignDialog(const SavedDesign &start, DesignSubject subject, QWidget *parent)
    : QDialog(parent), draft(start), subject(std::move(subject)) {
    setObjectName(QStringLiteral("designDialog"));
    setWindowTitle(tr("Gestaltung"));
    job.setChosenSheet(oneLabel(this->subject.sheet));
    drawing = new LabelDrawing(job);
    tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("designTabs"));
    tabs->addTab(buildLinesTab(), tr("Zeilen"));
    tabs->addTab(buildPictureTab(), tr("Bild"));
    tabs->addTab(buildCodeTab(), tr("Code"));
    tabs->addTab(buildCategoryTab(), tr("Farben"));
    tabs->addTab(buildSortTab(), tr("Sortierung"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("designButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *sides = new QHBoxLayout;
    sides->addWidget(drawing, 1);
    sides->addWidget(tabs);
    auto *column = new QVBoxLayout(this);
    column->addLayout(sides, 1);
    column->addWidget(buttons);
    showLines();
    showPictures();
    showCode();
    showCategory();
    showSort();
    redraw();
}

QComboBox *DesignDialog::newCaptionCombo(const char *name) const {
    QComboBox *combo = newCombo(QLatin1String(name), {tr("(keine)")});
    combo->addItems(subject.captions);
    return combo;
}

QString DesignDialog::captionAt(const QComboBox *combo) const {
    return combo->currentIndex() > 0 ? combo->currentText() : QString();
}

void DesignDialog::selectCaption(QComboBox *combo, const QString &caption) const {
    const int found = caption.isEmpty() ? -1 : combo->findText(caption);
    combo->setCurrentIndex(std::max(0, found));
}

// Lines ------------------------------------------------------------------

QWidget *DesignDialog::buildLinesTab() {
    auto *tab = new QWidget;
    auto *column = new QVBoxLayout(tab);
    for (int line = 0; line < LabelTemplate::maximumLines; ++line)
        column->addWidget(buildLineBox(line));
    column->addStretch(1);
    return tab;
}

QWidget *DesignDialog::buildLineBox(int line) {
    auto *box = new QGroupBox(line == 0 ? tr("Zeile 1 (Schriftart des Etiketts)")
                                        : tr("Zeile %1").arg(line + 1));
    const QString prefix = QStringLiteral("line%1").arg(line + 1);
    LineControls &c = lines[line];
    c.family = new QFontComboBox;
    c.family->setObjectName(prefix + QStringLiteral("FontCombo"));
    c.size = new QDoubleSpinBox;
    c.size->setObjectName(prefix + QStringLiteral("SizeSpin"));
    c.size->setLocale(QLocale(QLocale::German, QLocale::Germany));
    c.size->setRange(smallestPoints, largestPoints);
    c.size->setDecimals(1);
    c.size->setSuffix(QStringLiteral(" pt"));
    c.bold = new QCheckBox(tr("Fett"));
    c.bold->setObjectName(prefix + QStringLiteral("BoldCheck"));
    c.italic = new QCheckBox(tr("Kursiv"));
    c.italic->setObjectName(prefix + QStringLiteral("ItalicCheck"));
    c.colour = new QPushButton(tr("Farbe..."));
    c.colour->setObjectName(prefix + QStringLiteral("ColourButton"));
    c.alignment = newCombo(prefix + QStringLiteral("AlignCombo"),
                           {tr("links"), tr("zentriert"), tr("rechts")});
    c.autoSize = new QCheckBox(tr("Größe automatisch"));
    c.autoSize->setObjectName(prefix + QStringLiteral("AutoCheck"));
    c.autoSize->setToolTip(tr("Die größte Schrift, in der diese Zeile auf jedes Etikett der Liste "
                              "passt: alle Etiketten gleich groß"));
    auto *grid = new QGridLayout(box);
    grid->addWidget(c.family, 0, 0, 1, 3);
    grid->addWidget(c.size, 0, 3);
    grid->addWidget(c.bold, 1, 0);
    grid->addWidget(c.italic, 1, 1);
    grid->addWidget(c.colour, 1, 2);
    grid->addWidget(c.alignment, 1, 3);
    grid->addWidget(c.autoSize, 2, 0, 1, 4);
    auto read = [this, line] {
        readLine(line);
    };
    connect(c.family, &QFontComboBox::currentFontChanged, this, read);
    connect(c.size, &QDoubleSpinBox::valueChanged, this, read);
    connect(c.bold, &QCheckBox::toggled, this, read);
    connect(c.italic, &QCheckBox::toggled, this, read);
    connect(c.alignment, &QComboBox::currentIndexChanged, this, read);
    connect(c.autoSize, &QCheckBox::toggled, this, read);
    connect(c.colour, &QPushButton::clicked, this, [this, line] { chooseLineColour(line); });
    return box;
}

// The font a line is set in: line 1's family and size are the label font's,
// a later line without a font of its own takes the label font's smaller size.
QFont DesignDialog::lineFont(int line) const {
    const LineStyle style = draft.look.lineStyle(line);
    QFont font = draft.font;
    if (line > 0 && !style.font && draft.font.pointSizeF() > 0)
        font.setPointSizeF(draft.font.pointSizeF() * laterLineScale);
    if (style.font) {
        if (line > 0)
            font = *style.font;
        font.setBold(style.font->bold());
        font.setItalic(style.font->italic());
    }
    return font;
}

void DesignDialog::showLines() {
    for (int line = 0; line < LabelTemplate::maximumLines; ++line) {
        const LineStyle style = draft.look.lineStyle(line);
        const QFont font = lineFont(line);
        LineControls &c = lines[line];
        const QSignalBlocker blockers[] = {QSignalBlocker(c.family),    QSignalBlocker(c.size),
                                           QSignalBlocker(c.bold),      QSignalBlocker(c.italic),
                                           QSignalBlocker(c.alignment), QSignalBlocker(c.autoSize)};
        c.family->setCurrentFont(font);
        // The combo shows a family the system lacks as its substitute.
        shownFamilies[line] = c.family->currentFont().family();
        c.size->setValue(font.pointSizeF() > 0 ? font.pointSizeF() : smallestPoints);
        c.bold->setChecked(font.bold());
        c.italic->setChecked(font.italic());
        c.colour->setIcon(swatch(style.colour));
        const auto *aligned = std::find(std::begin(alignments), std::end(alignments),
                                        style.alignment & Qt::AlignHorizontal_Mask);
        c.alignment->setCurrentIndex(
            aligned == std::end(alignments) ? 1 : int(aligned - std::begin(alignments)));
        c.autoSize->setChecked(style.autoSize);
    }
}

void DesignDialog::readLine(int line) {
    const LineControls &c = lines[line];
    QFont font = lineFont(line);
    // A family the system lacks stays until another one is chosen.
    if (c.family->currentFont().family() != shownFamilies[line])
        font.setFamily(c.family->currentFont().family());
    font.setPointSizeF(c.size->value());
    font.setBold(c.bold->isChecked());
    font.setItalic(c.italic->isChecked());
    if (line == 0)
        draft.font = font;
    while (draft.look.lines.size() <= line)
        draft.look.lines.append(LineStyle());
    LineStyle &style = draft.look.lines[line];
    style.font = font;
    style.alignment = alignments[std::clamp(c.alignment->currentIndex(), 0, 2)];
    style.autoSize = c.autoSize->isChecked();
    redraw();
}

void DesignDialog::chooseLineColour(int line) {
    const QColor chosen =
        QColorDialog::getColor(draft.look.lineStyle(line).colour, this, tr("Farbe der Zeile"));
    if (!chosen.isValid())
        return;
    while (draft.look.lines.size() <= line)
        draft.look.lines.append(LineStyle());
    draft.look.lines[line].colour = chosen;
    lines[line].colour->setIcon(swatch(chosen));
    redraw();
}

// Pictures ---------------------------------------------------------------

QWidget *DesignDialog::buildPictureTab() {
    auto *tab = new QWidget;
    auto *form = new QFormLayout(tab);
    pictureCombo = newCombo(QStringLiteral("pictureCombo"), {});
    auto *add = new QPushButton(tr("Bild wählen..."));
    add->setObjectName(QStringLiteral("pictureAddButton"));
    add->setToolTip(tr("PNG, JPEG oder SVG"));
    removePictureButton = new QPushButton(tr("Entfernen"));
    removePictureButton->setObjectName(QStringLiteral("pictureRemoveButton"));
    placementCombo =
        newCombo(QStringLiteral("picturePlacementCombo"), {tr("Logo"), tr("Hintergrund")});
    pictureX = newMmSpin(QStringLiteral("pictureXSpin"));
    pictureY = newMmSpin(QStringLiteral("pictureYSpin"));
    pictureWidth = newMmSpin(QStringLiteral("pictureWidthSpin"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(removePictureButton);
    form->addRow(tr("Bild:"), pictureCombo);
    form->addRow(buttons);
    form->addRow(tr("Als:"), placementCombo);
    form->addRow(tr("Links:"), pictureX);
    form->addRow(tr("Oben:"), pictureY);
    form->addRow(tr("Breite:"), pictureWidth);
    connect(add, &QPushButton::clicked, this, &DesignDialog::askForPicture);
    connect(removePictureButton, &QPushButton::clicked, this, &DesignDialog::removePicture);
    connect(pictureCombo, &QComboBox::currentIndexChanged, this, &DesignDialog::showPicture);
    for (QDoubleSpinBox *spin : {pictureX, pictureY, pictureWidth})
        connect(spin, &QDoubleSpinBox::valueChanged, this, &DesignDialog::readPicture);
    connect(placementCombo, &QComboBox::currentIndexChanged, this, &DesignDialog::readPicture);
    return tab;
}

void DesignDialog::showPictures() {
    {
        const QSignalBlocker blocker(pictureCombo);
        pictureCombo->clear();
        for (const LabelPicture &picture : draft.look.pictures)
            pictureCombo->addItem(picture.fileName);
        pictureCombo->setCurrentIndex(pictureCombo->count() - 1);
    }
    showPicture();
}

void DesignDialog::showPicture() {
    const int index = pictureCombo->currentIndex();
    const bool any = index >= 0 && index < draft.look.pictures.size();
    for (QWidget *part : std::initializer_list<QWidget *>{removePictureButton, placementCombo,
                                                          pictureX, pictureY, pictureWidth})
        part->setEnabled(any);
    if (!any)
        return;
    const LabelPicture &picture = draft.look.pictures.at(index);
    const QSignalBlocker blockers[] = {QSignalBlocker(placementCombo), QSignalBlocker(pictureX),
                                       QSignalBlocker(pictureY), QSignalBlocker(pictureWidth)};
    placementCombo->setCurrentIndex(picture.placement == LabelPicture::Placement::Background);
    pictureX->setValue(picture.positionMm.x());
    pictureY->setValue(picture.positionMm.y());
    pictureWidth->setValue(picture.widthMm);
}

void DesignDialog::readPicture() {
    const int index = pictureCombo->currentIndex();
    if (index < 0 || index >= draft.look.pictures.size())
        return;
    const bool background = placementCombo->currentIndex() == 1;
    // One background at most: choosing another makes the earlier one a logo.
    for (LabelPicture &other : draft.look.pictures)
        if (background)
            other.placement = LabelPicture::Placement::Logo;
    LabelPicture &picture = draft.look.pictures[index];
    picture.placement =
        background ? LabelPicture::Placement::Background : LabelPicture::Placement::Logo;
    picture.positionMm = QPointF(pictureX->value(), pictureY->value());
    picture.widthMm = pictureWidth->value();
    redraw();
}

void DesignDialog::removePicture() {
    const int index = pictureCombo->currentIndex();
    if (index < 0 || index >= draft.look.pictures.size())
        return;
    draft.look.pictures.removeAt(index);
    showPictures();
    redraw();
}

void DesignDialog::askForPicture() {
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Bild wählen"), QString(),
                                     tr("Bilder (*.png *.jpg *.jpeg *.svg);;Alle Dateien (*)"));
    if (!path.isEmpty())
        addPicture(path);
}

bool DesignDialog::addPicture(const QString &path) {
    LabelPicture picture;
    picture.fileName = QFileInfo(path).fileName();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        picture.bytes = file.read(designLimits::pictureBytes + 1);
    const qreal labelWidth = subject.sheet.labelRect(0).width();
    picture.widthMm = std::clamp(labelWidth / 4, 1.0, 30.0);
    picture.positionMm = QPointF(2, 2);
    QString problem = pictureRoomProblem(draft.look, picture.bytes.size());
    if (problem.isEmpty())
        problem = pictureProblem(picture);
    if (!problem.isEmpty()) {
        auto *message = new QMessageBox(QMessageBox::Warning, tr("Bild wählen"), problem,
                                        QMessageBox::Ok, this);
        message->setObjectName(QStringLiteral("pictureRefusedMessage"));
        message->setAttribute(Qt::WA_DeleteOnClose);
        message->setWindowModality(Qt::WindowModal);
        message->open();
        return false;
    }
    draft.look.pictures.append(picture);
    showPictures();
    redraw();
    return true;
}

// Code -------------------------------------------------------------------

QWidget *DesignDialog::buildCodeTab() {
    auto *tab = new QWidget;
    auto *form = new QFormLayout(tab);
    codeKindCombo = newCombo(QStringLiteral("codeKindCombo"),
                             {tr("Kein Code"), tr("Aus einer Vorlage"),
                              tr("vCard aus Vorname, Nachname, Firma, E-Mail")});
    symbologyCombo = newCombo(QStringLiteral("codeSymbologyCombo"),
                              {tr("QR-Code"), tr("Data Matrix"), tr("Code 128"), tr("EAN-13")});
    codeTemplateEdit = new QLineEdit;
    codeTemplateEdit->setObjectName(QStringLiteral("codeTemplateEdit"));
    codeTemplateEdit->setPlaceholderText(tr("«E-Mail»"));
    auto *fields = new QToolButton;
    fields->setObjectName(QStringLiteral("codeColumnButton"));
    fields->setText(tr("+ Spalte"));
    fields->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(fields);
    for (const QString &caption : subject.captions)
        menu->addAction(caption, this, [this, caption] {
            codeTemplateEdit->insert(LabelTemplate::fieldOpening + caption +
                                     LabelTemplate::fieldClosing);
        });
    fields->setMenu(menu);
    auto *templateRow = new QHBoxLayout;
    templateRow->addWidget(codeTemplateEdit, 1);
    templateRow->addWidget(fields);
    form->addRow(tr("Inhalt:"), codeKindCombo);
    form->addRow(tr("Vorlage:"), templateRow);
    const char *vCardNames[] = {"vCardFirstNameCombo", "vCardLastNameCombo", "vCardCompanyCombo",
                                "vCardEmailCombo"};
    const QString vCardCaptions[] = {tr("Vorname:"), tr("Nachname:"), tr("Firma:"), tr("E-Mail:")};
    for (int i = 0; i < 4; ++i) {
        vCardCombos[i] = newCaptionCombo(vCardNames[i]);
        form->addRow(vCardCaptions[i], vCardCombos[i]);
        connect(vCardCombos[i], &QComboBox::currentIndexChanged, this, &DesignDialog::readCode);
    }
    form->addRow(tr("Art:"), symbologyCombo);
    const char *areaNames[] = {"codeXSpin", "codeYSpin", "codeWidthSpin", "codeHeightSpin"};
    const QString areaCaptions[] = {tr("Links:"), tr("Oben:"), tr("Breite:"), tr("Höhe:")};
    for (int i = 0; i < 4; ++i) {
        codeArea[i] = newMmSpin(QLatin1String(areaNames[i]));
        form->addRow(areaCaptions[i], codeArea[i]);
        connect(codeArea[i], &QDoubleSpinBox::valueChanged, this, &DesignDialog::readCode);
    }
    connect(codeKindCombo, &QComboBox::currentIndexChanged, this, &DesignDialog::readCode);
    connect(symbologyCombo, &QComboBox::currentIndexChanged, this, &DesignDialog::readCode);
    connect(codeTemplateEdit, &QLineEdit::textChanged, this, &DesignDialog::readCode);
    return tab;
}

void DesignDialog::showCode() {
    std::vector<QSignalBlocker> blockers;
    for (QObject *control :
         std::initializer_list<QObject *>{codeKindCombo, symbologyCombo, codeTemplateEdit})
        blockers.emplace_back(control);
    for (int i = 0; i < 4; ++i) {
        blockers.emplace_back(vCardCombos[i]);
        blockers.emplace_back(codeArea[i]);
    }
    codeKindCombo->setCurrentIndex(int(draft.codeKind));
    codeTemplateEdit->setText(draft.codeTemplate);
    for (int i = 0; i < 4; ++i)
        selectCaption(vCardCombos[i], draft.vCardCaptions.value(i));
    const QRectF area = draft.look.code ? draft.look.code->areaMm : QRectF();
    symbologyCombo->setCurrentIndex(draft.look.code ? int(draft.look.code->symbology) : 0);
    const qreal values[] = {area.x(), area.y(), area.width(), area.height()};
    for (int i = 0; i < 4; ++i)
        codeArea[i]->setValue(values[i]);
}

void DesignDialog::readCode() {
    draft.codeKind = CodeContent::Kind(std::clamp(codeKindCombo->currentIndex(), 0, 2));
    draft.codeTemplate = codeTemplateEdit->text();
    draft.vCardCaptions.clear();
    for (QComboBox *combo : vCardCombos)
        draft.vCardCaptions.append(captionAt(combo));
    if (draft.codeKind == CodeContent::Kind::None) {
        draft.look.code.reset();
    } else {
        const bool placed = draft.look.code.has_value();
        LabelCode code;
        code.symbology = CodeSymbology(symbologyCombo->currentIndex());
        code.areaMm = QRectF(codeArea[0]->value(), codeArea[1]->value(), codeArea[2]->value(),
                             codeArea[3]->value());
        if (!placed && code.areaMm.isEmpty()) {
            // A first code goes to the bottom right corner, as large as half the label's height.
            const QSizeF label = subject.sheet.labelRect(0).size();
            const qreal side = std::max(1.0, label.height() / 2);
            code.areaMm = QRectF(label.width() - side - 2, label.height() - side - 2, side, side);
        }
        draft.look.code = code;
        if (!placed)
            showCode();
    }
    redraw();
}

// Colour by category ------------------------------------------------------

QWidget *DesignDialog::buildCategoryTab() {
    auto *tab = new QWidget;
    auto *form = new QFormLayout(tab);
    categoryCombo = newCaptionCombo("categoryColumnCombo");
    categoryStyleCombo = newCombo(QStringLiteral("categoryStyleCombo"),
                                  {tr("Band am unteren Rand"), tr("Hintergrund")});
    categoryTable = new QTableWidget(0, 2);
    categoryTable->setObjectName(QStringLiteral("categoryTable"));
    categoryTable->setHorizontalHeaderLabels({tr("Wert"), tr("Farbe")});
    categoryTable->horizontalHeader()->setStretchLastSection(true);
    categoryTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    form->addRow(tr("Spalte:"), categoryCombo);
    form->addRow(tr("Als:"), categoryStyleCombo);
    form->addRow(categoryTable);
    connect(categoryCombo, &QComboBox::currentIndexChanged, this, [this] {
        fillCategoryValues();
        readCategory();
    });
    connect(categoryStyleCombo, &QComboBox::currentIndexChanged, this, &DesignDialog::readCategory);
    connect(categoryTable, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == colourColumn)
            chooseCategoryColour(row);
    });
    return tab;
}

void DesignDialog::showCategory() {
    const QSignalBlocker blockColumn(categoryCombo);
    const QSignalBlocker blockStyle(categoryStyleCombo);
    selectCaption(categoryCombo, draft.categoryCaption);
    categoryStyleCombo->setCurrentIndex(draft.look.category.style ==
                                        CategoryColours::Style::Background);
    categoryTable->setRowCount(0);
    for (const auto &[value, colour] : draft.look.category.colours) {
        const int row = categoryTable->rowCount();
        categoryTable->insertRow(row);
        categoryTable->setItem(row, valueColumn, new QTableWidgetItem(value));
        auto *swatchItem = new QTableWidgetItem(swatch(colour), colour.name());
        swatchItem->setData(Qt::UserRole, colour);
        categoryTable->setItem(row, colourColumn, swatchItem);
    }
}

// The column's values, each once regardless of letter case and spaces, in
// the order of the list, each with a colour of its own.
void DesignDialog::fillCategoryValues() {
    categoryTable->setRowCount(0);
    const int column = categoryCombo->currentIndex() - 1;
    if (!subject.table || column < 0 || !subject.table->contains(column))
        return;
    const ImportedColumn &cells = subject.table->value(column);
    QList<int> rows = cells.keys();
    std::sort(rows.begin(), rows.end());
    QStringList seen;
    for (int row : rows) {
        const QString value = cells.value(row).trimmed();
        // Row 0 holds the captions.
        if (row == 0 || value.isEmpty() || seen.contains(value.toCaseFolded()))
            continue;
        if (seen.size() == maximumCategoryValues)
            break;
        seen.append(value.toCaseFolded());
        QColor colour = categoryPalette[categoryTable->rowCount() % std::size(categoryPalette)];
        for (const auto &[kept, keptColour] : draft.look.category.colours)
            if (kept.trimmed().toCaseFolded() == value.toCaseFolded())
                colour = keptColour;
        const int at = categoryTable->rowCount();
        categoryTable->insertRow(at);
        categoryTable->setItem(at, valueColumn, new QTableWidgetItem(value));
        auto *swatchItem = new QTableWidgetItem(swatch(colour), colour.name());
        swatchItem->setData(Qt::UserRole, colour);
        categoryTable->setItem(at, colourColumn, swatchItem);
    }
}

void DesignDialog::readCategory() {
    draft.categoryCaption = captionAt(categoryCombo);
    CategoryColours &category = draft.look.category;
    category.style = categoryStyleCombo->currentIndex() == 1 ? CategoryColours::Style::Background
                                                             : CategoryColours::Style::Band;
    category.colours.clear();
    for (int row = 0; row < categoryTable->rowCount(); ++row) {
        const QColor colour =
            categoryTable->item(row, colourColumn)->data(Qt::UserRole).value<QColor>();
        if (colour.isValid())
            category.colours.append({categoryTable->item(row, valueColumn)->text(), colour});
    }
    redraw();
}

void DesignDialog::chooseCategoryColour(int row) {
    QTableWidgetItem *item = categoryTable->item(row, colourColumn);
    const QColor chosen =
        QColorDialog::getColor(item->data(Qt::UserRole).value<QColor>(), this,
                               tr("Farbe für „%1“").arg(categoryTable->item(row, 0)->text()));
    if (!chosen.isValid())
        return;
    item->setData(Qt::UserRole, chosen);
    item->setIcon(swatch(chosen));
    item->setText(chosen.name());
    readCategory();
}

// Sorting ----------------------------------------------------------------

QWidget *DesignDialog::buildSortTab() {
    auto *tab = new QWidget;
    auto *form = new QFormLayout(tab);
    for (int key = 0; key < 2; ++key) {
        sortColumnCombos[key] = newCaptionCombo(key == 0 ? "sortColumn1Combo" : "sortColumn2Combo");
        sortOrderCombos[key] = newCombo(QStringLiteral("sortOrder%1Combo").arg(key + 1),
                                        {tr("aufsteigend"), tr("absteigend")});
        auto *row = new QHBoxLayout;
        row->addWidget(sortColumnCombos[key], 1);
        row->addWidget(sortOrderCombos[key]);
        form->addRow(key == 0 ? tr("Sortieren nach:") : tr("dann nach:"), row);
        connect(sortColumnCombos[key], &QComboBox::currentIndexChanged, this,
                &DesignDialog::readSort);
        connect(sortOrderCombos[key], &QComboBox::currentIndexChanged, this,
                &DesignDialog::readSort);
    }
    form->addRow(new QLabel(tr("Ohne Spalte bleibt die Reihenfolge der Liste.")));
    return tab;
}

void DesignDialog::showSort() {
    for (int key = 0; key < 2; ++key) {
        const QSignalBlocker blockColumn(sortColumnCombos[key]);
        const QSignalBlocker blockOrder(sortOrderCombos[key]);
        const SavedDesign::SortCaption sort = draft.sortCaptions.value(key);
        selectCaption(sortColumnCombos[key], sort.caption);
        sortOrderCombos[key]->setCurrentIndex(sort.descending ? 1 : 0);
    }
}

void DesignDialog::readSort() {
    draft.sortCaptions.clear();
    for (int key = 0; key < 2; ++key) {
        const QString caption = captionAt(sortColumnCombos[key]);
        if (!caption.isEmpty())
            draft.sortCaptions.append({caption, sortOrderCombos[key]->currentIndex() == 1});
    }
    redraw();
}

// Drawing ----------------------------------------------------------------

LabelMap DesignDialog::exampleLabel() const {
    LabelMap one;
    if (subject.table) {
        const LabelChoice choice = withDesignColumns(subject.choice, draft, subject.captions);
        const LabelMap all = LabelSource(*subject.table, choice).filtered(QString());
        const auto printed = std::find_if(
            all.begin(), all.end(), [](const LabelEntry &entry) { return entry.quantity > 0; });
        if (printed != all.end()) {
            LabelEntry entry = *printed;
            entry.quantity = 1;
            one.append(entry);
            return one;
        }
    }
    LabelEntry example;
    example.name = tr("Erika Mustermann");
    example.foldedName = example.name.toCaseFolded();
    example.moreLines = {tr("Beispiel GmbH")};
    example.quantity = 1;
    const bool ean = draft.look.code && draft.look.code->symbology == CodeSymbology::Ean13;
    example.codeText =
        ean ? QStringLiteral("400638133393") : QStringLiteral("erika.mustermann@example.org");
    one.append(example);
    return one;
}

void DesignDialog::redraw() {
    job.setFont(draft.font);
    job.setDesign(draft.look);
    job.setLabels(exampleLabel());
    drawing->update();
}
