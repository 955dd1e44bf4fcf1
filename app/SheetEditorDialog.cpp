#include "app/SheetEditorDialog.h"

#include "app/SheetDrawing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {
constexpr int maximumCount = 1000;
const QString ownSheetSource = QStringLiteral("Eigener Bogen");

enum class SheetKind { Sheet, Roll, Tape };

SheetKind kindOf(const LabelSheet &sheet) {
    if (!sheet.isRoll())
        return SheetKind::Sheet;
    return sheet.continuous ? SheetKind::Tape : SheetKind::Roll;
}
} // namespace

SheetEditorDialog::SheetEditorDialog(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("sheetEditorDialog"));
    setWindowTitle(tr("Etikettenbogen bearbeiten"));
    form = new QFormLayout;
    maker = addLine("sheetMakerEdit", tr("Hersteller"));
    code = addLine("sheetCodeEdit", tr("Name / Produktnummer"));
    description = addLine("sheetDescriptionEdit", tr("Beschreibung"));
    addRollFields();
    width = addLength("sheetWidthEdit", tr("Etikettenbreite"));
    height = addLength("sheetHeightEdit", tr("Etikettenhöhe"));
    radius = addLength("sheetRadiusEdit", tr("Eckenradius"));
    columns = addCount("sheetColumnsSpin", tr("Spalten"));
    rows = addCount("sheetRowsSpin", tr("Reihen"));
    left = addLength("sheetLeftEdit", tr("Rand links"));
    top = addLength("sheetTopEdit", tr("Rand oben"));
    horizontalPitch =
        addLength("sheetHorizontalPitchEdit", tr("Abstand waagrecht (Etikett + Lücke)"));
    verticalPitch = addLength("sheetVerticalPitchEdit", tr("Abstand senkrecht (Etikett + Lücke)"));
    unprintableAcross =
        addLength("sheetUnprintableAcrossEdit", tr("Nicht bedruckbar je Seite quer zur Rolle"));
    unprintableAlong =
        addLength("sheetUnprintableAlongEdit", tr("Nicht bedruckbar je Ende längs der Rolle"));

    drawing = new SheetDrawing;
    drawing->setObjectName(QStringLiteral("sheetDrawing"));
    problemLabel = new QLabel;
    problemLabel->setObjectName(QStringLiteral("sheetProblemLabel"));
    problemLabel->setWordWrap(true);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *fieldsAndDrawing = new QHBoxLayout;
    fieldsAndDrawing->addLayout(form);
    fieldsAndDrawing->addWidget(drawing);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fieldsAndDrawing);
    layout->addWidget(problemLabel);
    layout->addWidget(buttons);
    refresh();
}

void SheetEditorDialog::addRollFields() {
    kind = new QComboBox;
    kind->setObjectName(QStringLiteral("sheetKindCombo"));
    kind->addItem(tr("Bogen"), int(SheetKind::Sheet));
    kind->addItem(tr("Rolle mit Einzeletiketten"), int(SheetKind::Roll));
    kind->addItem(tr("Rolle mit Endlosband"), int(SheetKind::Tape));
    form->addRow(tr("Art"), kind);
    connect(kind, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    turned = new QCheckBox(tr("Gedreht (quer gelesen)"));
    turned->setObjectName(QStringLiteral("sheetTurnedCheck"));
    form->addRow(tr("Ausrichtung"), turned);
    connect(turned, &QCheckBox::toggled, this, [this] { refresh(); });
}

QLineEdit *SheetEditorDialog::addLine(const char *objectName, const QString &caption) {
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(objectName));
    form->addRow(caption, edit);
    connect(edit, &QLineEdit::textChanged, this, [this] { refresh(); });
    return edit;
}

QLineEdit *SheetEditorDialog::addLength(const char *objectName, const QString &caption) {
    QLineEdit *edit = addLine(objectName, caption + tr(" (mm)"));
    edit->setText(QStringLiteral("0"));
    lengths.append({edit, caption});
    return edit;
}

QSpinBox *SheetEditorDialog::addCount(const char *objectName, const QString &caption) {
    auto *spin = new QSpinBox;
    spin->setObjectName(QLatin1String(objectName));
    spin->setRange(1, maximumCount);
    form->addRow(caption, spin);
    connect(spin, &QSpinBox::valueChanged, this, [this] { refresh(); });
    return spin;
}

void SheetEditorDialog::setSheet(const LabelSheet &sheet) {
    maker->setText(sheet.maker);
    code->setText(sheet.codes.join(QStringLiteral(", ")));
    description->setText(sheet.description);
    width->setText(formatMillimetres(sheet.labelWidth));
    height->setText(formatMillimetres(sheet.labelHeight));
    radius->setText(formatMillimetres(sheet.cornerRadius));
    columns->setValue(sheet.columns);
    rows->setValue(sheet.rows);
    left->setText(formatMillimetres(sheet.leftMargin));
    top->setText(formatMillimetres(sheet.topMargin));
    horizontalPitch->setText(formatMillimetres(sheet.horizontalPitch));
    verticalPitch->setText(formatMillimetres(sheet.verticalPitch));
    sheetPaper = sheet.isRoll() ? Paper::A4 : sheet.paper;
    kind->setCurrentIndex(kind->findData(int(kindOf(sheet))));
    turned->setChecked(sheet.turned);
    unprintableAcross->setText(formatMillimetres(sheet.unprintableAcross));
    unprintableAlong->setText(formatMillimetres(sheet.unprintableAlong));
    refresh();
}

LabelSheet SheetEditorDialog::sheet() const {
    auto mm = [](const QLineEdit *edit) {
        double value = 0;
        return parseMillimetres(edit->text(), &value) ? value : 0.0;
    };
    const auto chosenKind = SheetKind(kind->currentData().toInt());
    LabelSheet sheet = chosenKind == SheetKind::Sheet
                           ? LabelSheet()
                           : LabelSheet::roll(mm(width), mm(height), chosenKind == SheetKind::Tape);
    sheet.maker = maker->text().trimmed();
    for (const QString &each : code->text().split(QLatin1Char(',')))
        if (!each.trimmed().isEmpty())
            sheet.codes.append(each.trimmed());
    sheet.description = description->text().trimmed();
    sheet.source = ownSheetSource;
    sheet.cornerRadius = mm(radius);
    if (sheet.isRoll()) {
        sheet.turned = turned->isChecked();
        sheet.unprintableAcross = mm(unprintableAcross);
        sheet.unprintableAlong = mm(unprintableAlong);
        return sheet;
    }
    sheet.paper = sheetPaper;
    sheet.labelWidth = mm(width);
    sheet.labelHeight = mm(height);
    sheet.columns = columns->value();
    sheet.rows = rows->value();
    sheet.leftMargin = mm(left);
    sheet.topMargin = mm(top);
    sheet.horizontalPitch = mm(horizontalPitch);
    sheet.verticalPitch = mm(verticalPitch);
    return sheet;
}

QString SheetEditorDialog::problem() const {
    for (const auto &[edit, caption] : lengths) {
        double value = 0;
        if (!parseMillimetres(edit->text(), &value))
            return tr("„%1“ ist keine Millimeterangabe (%2).").arg(edit->text(), caption);
    }
    const LabelSheet described = sheet();
    if (described.codes.isEmpty())
        return tr("Bitte einen Namen oder eine Produktnummer angeben.");
    return sheetProblemText(described.problem());
}

void SheetEditorDialog::refresh() {
    if (!buttons)
        return; // still being built: the fields fill in one by one
    // A roll's label is its page: no columns, rows, margins or pitch.
    const bool roll = kind->currentData().toInt() != int(SheetKind::Sheet);
    for (QWidget *sheetField :
         std::initializer_list<QWidget *>{columns, rows, left, top, horizontalPitch, verticalPitch})
        form->setRowVisible(sheetField, !roll);
    for (QWidget *rollField :
         std::initializer_list<QWidget *>{turned, unprintableAcross, unprintableAlong})
        form->setRowVisible(rollField, roll);
    const QString reason = problem();
    problemLabel->setText(reason);
    drawing->setSheet(sheet());
    buttons->button(QDialogButtonBox::Ok)->setEnabled(reason.isEmpty());
}
