#include "pages/LabelSheet.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QRegularExpression>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr double letterWidthMm = 215.9;
constexpr double letterHeightMm = 279.4;
// Published sheet data is rounded to tenths or hundredths of a millimetre, so
// three labels of 70.05 mm on 210 mm paper still fit.
constexpr double paperEdgeToleranceMm = 0.2;
// More labels than this on one sheet is no label stock but a typing error.
constexpr int maximumLabelsAlong = 1000;
} // namespace

LabelSheet LabelSheet::fromPageLayout(const PageLayout &layout) {
    LabelSheet sheet;
    sheet.labelWidth = layout.labelWidth;
    sheet.labelHeight = layout.labelHeight;
    sheet.columns = int(layout.columns);
    sheet.rows = int(layout.rows);
    sheet.leftMargin = layout.grid.left();
    sheet.topMargin = layout.grid.top();
    sheet.horizontalPitch = layout.labelWidth;
    sheet.verticalPitch = layout.labelHeight;
    return sheet;
}

LabelSheet LabelSheet::roll(double width, double length, bool continuousTape) {
    LabelSheet sheet;
    sheet.paper = Paper::Roll;
    sheet.continuous = continuousTape;
    sheet.labelWidth = width;
    sheet.labelHeight = length;
    sheet.columns = 1;
    sheet.rows = 1;
    sheet.horizontalPitch = width;
    sheet.verticalPitch = length;
    return sheet;
}

QSizeF LabelSheet::paperSizeMm() const {
    switch (paper) {
    case Paper::Letter:
        return {letterWidthMm, letterHeightMm};
    case Paper::Roll:
        return {labelWidth, labelHeight};
    case Paper::A4:
        break;
    }
    return {double(sheetWidthMm), double(sheetHeightMm)};
}

QPageSize LabelSheet::pageSize() const {
    switch (paper) {
    case Paper::Letter:
        return QPageSize(QPageSize::Letter);
    case Paper::Roll:
        // Exactly the label, never a standard size close to it.
        return QPageSize(paperSizeMm(), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    case Paper::A4:
        break;
    }
    return QPageSize(QPageSize::A4);
}

QRectF LabelSheet::labelRectOnPage(std::int64_t slot) const {
    return isRoll() ? QRectF(QPointF(), paperSizeMm()) : labelRect(slot);
}

QTransform LabelSheet::labelToPage(qreal scale) const {
    QTransform transform;
    if (isRoll() && turned) {
        // The label's top-left corner at the page's top-right one.
        transform.translate(labelWidth * scale, 0);
        transform.rotate(90);
    }
    return transform;
}

QMarginsF LabelSheet::unprintableMarginsMm() const {
    if (!isRoll())
        return {};
    return turned
               ? QMarginsF(unprintableAlong, unprintableAcross, unprintableAlong, unprintableAcross)
               : QMarginsF(unprintableAcross, unprintableAlong, unprintableAcross,
                           unprintableAlong);
}

LabelSheet LabelSheet::upright() const {
    if (!isRoll() || !turned)
        return *this;
    LabelSheet sheet = *this;
    sheet.turned = false;
    std::swap(sheet.labelWidth, sheet.labelHeight);
    std::swap(sheet.horizontalPitch, sheet.verticalPitch);
    std::swap(sheet.unprintableAcross, sheet.unprintableAlong);
    return sheet;
}

LabelSheet LabelSheet::withTapeLength(double mm) const {
    if (!isRoll() || !continuous)
        return *this;
    LabelSheet sheet = *this;
    sheet.labelHeight = mm;
    sheet.verticalPitch = mm;
    return sheet;
}

QRectF LabelSheet::labelRect(std::int64_t slot) const {
    if (isRoll())
        return QRectF(0, 0, turned ? labelHeight : labelWidth, turned ? labelWidth : labelHeight);
    const std::int64_t row = columns > 0 ? slot / columns : 0;
    const std::int64_t column = columns > 0 ? slot % columns : 0;
    return QRectF(leftMargin + double(column) * horizontalPitch,
                  topMargin + double(row) * verticalPitch, labelWidth, labelHeight);
}

std::int64_t LabelSheet::pageCount(std::int64_t copies, std::int64_t startSlot) const {
    const std::int64_t perPage = labelsPerPage();
    if (perPage <= 0 || copies <= 0)
        return 1;
    return positionOfCopy(copies - 1, startSlot).page + 1;
}

SheetPosition LabelSheet::positionOfCopy(std::int64_t copy, std::int64_t startSlot) const {
    const std::int64_t perPage = labelsPerPage();
    if (perPage <= 0)
        return {};
    startSlot = std::clamp<std::int64_t>(startSlot, 0, perPage - 1);
    // Split before adding, so copy + startSlot cannot overflow.
    const std::int64_t page = copy / perPage;
    const std::int64_t slot = copy % perPage + startSlot;
    return {page + slot / perPage, slot % perPage};
}

std::int64_t LabelSheet::firstSlotOnPage(std::int64_t page, std::int64_t startSlot) const {
    const std::int64_t perPage = labelsPerPage();
    if (perPage <= 0 || page > 0)
        return 0;
    return std::clamp<std::int64_t>(startSlot, 0, perPage - 1);
}

std::int64_t LabelSheet::firstCopyOnPage(std::int64_t page, std::int64_t startSlot) const {
    const std::int64_t perPage = labelsPerPage();
    if (perPage <= 0 || page <= 0)
        return 0;
    const std::int64_t usedUp = std::clamp<std::int64_t>(startSlot, 0, perPage - 1);
    if (page > std::numeric_limits<std::int64_t>::max() / perPage)
        return std::numeric_limits<std::int64_t>::max();
    return page * perPage - usedUp;
}

SheetProblem LabelSheet::problem() const {
    // Written so that NaN fails every comparison and is refused too.
    if (!(labelWidth > 0) || !(labelHeight > 0))
        return SheetProblem::NonPositiveLabel;
    if (!(cornerRadius >= 0) || cornerRadius > std::min(labelWidth, labelHeight) / 2)
        return SheetProblem::NegativeRadius;
    if (isRoll())
        return rollProblem();
    if (columns < 1 || rows < 1 || columns > maximumLabelsAlong || rows > maximumLabelsAlong)
        return SheetProblem::NoLabels;
    if (!(leftMargin >= 0) || !(topMargin >= 0))
        return SheetProblem::NegativeMargin;
    if ((columns > 1 && !(horizontalPitch >= labelWidth)) ||
        (rows > 1 && !(verticalPitch >= labelHeight)))
        return SheetProblem::PitchBelowLabel;
    const QRectF last = labelRect(labelsPerPage() - 1);
    const QSizeF paperSize = paperSizeMm();
    if (!(last.right() <= paperSize.width() + paperEdgeToleranceMm) ||
        !(last.bottom() <= paperSize.height() + paperEdgeToleranceMm))
        return SheetProblem::BeyondPaper;
    return SheetProblem::None;
}

SheetProblem LabelSheet::rollProblem() const {
    if (columns != 1 || rows != 1)
        return SheetProblem::NoLabels;
    if (!(unprintableAcross >= 0) || !(unprintableAlong >= 0))
        return SheetProblem::NegativeMargin;
    // The label is the page: nothing lies beside or above it.
    if (leftMargin != 0 || topMargin != 0)
        return SheetProblem::BeyondPaper;
    if (!(2 * unprintableAcross < labelWidth) || !(2 * unprintableAlong < labelHeight))
        return SheetProblem::NoPrintableArea;
    return SheetProblem::None;
}

namespace {
// The context these texts are filed under in the translation.
struct LabelSheetTexts {
    Q_DECLARE_TR_FUNCTIONS(LabelSheet)
};
} // namespace

QString sheetProblemText(SheetProblem problem) {
    switch (problem) {
    case SheetProblem::None:
        return {};
    case SheetProblem::NonPositiveLabel:
        return LabelSheetTexts::tr("Breite und Höhe der Etiketten müssen größer als 0 mm sein.");
    case SheetProblem::NegativeRadius:
        return LabelSheetTexts::tr(
            "Der Eckenradius muss zwischen 0 mm und der halben Etikettenbreite "
            "bzw. -höhe liegen.");
    case SheetProblem::NoLabels:
        return LabelSheetTexts::tr("Der Bogen braucht mindestens eine Spalte und eine Reihe "
                                   "(höchstens 1000).");
    case SheetProblem::NegativeMargin:
        return LabelSheetTexts::tr("Die Ränder dürfen nicht negativ sein.");
    case SheetProblem::PitchBelowLabel:
        return LabelSheetTexts::tr(
            "Der Abstand von Etikett zu Etikett ist kleiner als das Etikett: "
            "die Etiketten würden sich überlappen.");
    case SheetProblem::BeyondPaper:
        return LabelSheetTexts::tr("Die Etiketten ragen über das Papier hinaus.");
    case SheetProblem::NoPrintableArea:
        return LabelSheetTexts::tr(
            "Die Ränder, die der Drucker nicht bedrucken kann, lassen auf dem Etikett "
            "keinen Platz.");
    }
    return {};
}

QString sheetProblemEnglish(SheetProblem problem) {
    switch (problem) {
    case SheetProblem::None:
        return {};
    case SheetProblem::NonPositiveLabel:
        return QStringLiteral("label width and height must be above 0 mm");
    case SheetProblem::NegativeRadius:
        return QStringLiteral("corner radius must lie between 0 and half the label");
    case SheetProblem::NoLabels:
        return QStringLiteral("a sheet needs 1 to 1000 columns and rows");
    case SheetProblem::NegativeMargin:
        return QStringLiteral("margins must not be negative");
    case SheetProblem::PitchBelowLabel:
        return QStringLiteral("pitch smaller than the label: labels would overlap");
    case SheetProblem::BeyondPaper:
        return QStringLiteral("labels reach beyond the paper");
    case SheetProblem::NoPrintableArea:
        return QStringLiteral("the unprintable margins leave nothing to print on");
    }
    return {};
}

QString formatMillimetres(double mm, QChar decimalPoint) {
    QString text = QString::number(mm, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    text.replace(QLatin1Char('.'), decimalPoint);
    return text;
}

QString formatLabelSize(const LabelSheet &sheet, QChar decimalPoint) {
    return formatMillimetres(sheet.labelWidth, decimalPoint) + QStringLiteral(" x ") +
           formatMillimetres(sheet.labelHeight, decimalPoint);
}

bool parseMillimetres(const QString &text, double *mm) {
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*([+-]?(?:\d+(?:[.,]\d*)?|[.,]\d+))\s*(?:mm)?\s*$)"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return false;
    QString digits = match.captured(1);
    digits.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = digits.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    *mm = value;
    return true;
}
