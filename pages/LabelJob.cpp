#include "pages/LabelJob.h"

#include "pages/LabelCursor.h"
#include "pages/LabelSearch.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSet>
#include <QTransform>

#include <algorithm>
#include <climits>
#include <cmath>
#include <tuple>

namespace {
// The context these texts are filed under in the translation.
struct LabelJobTexts {
    Q_DECLARE_TR_FUNCTIONS(LabelJob)
};
constexpr qreal pointsPerInch = 72.0;
// A font given in pixels is taken as pixels of a usual desktop screen.
constexpr qreal fallbackDotsPerInch = 96.0;
// Kept free between a name and its label's edge, so a fitted name never
// touches the cut.
constexpr qreal innerMarginXMm = 1.5;
constexpr qreal innerMarginYMm = 0.5;

// Labels are fitted in the units of paper at this density and the result is
// scaled to the device, so the screen at any zoom breaks and cuts the lines
// as the printer does.
constexpr int paperDotsPerInch = 1200;
constexpr qreal paperScale = paperDotsPerInch / millimetresPerInch;

const QPaintDevice &paperUnits() {
    static const QImage paper = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMetre = qRound(paperDotsPerInch / millimetresPerInch * 1000);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return paper;
}

QRectF scaled(const QRectF &mm, qreal scale) {
    return QRectF(mm.topLeft() * scale, mm.size() * scale);
}

// The search highlight over pictures and colours: they show through it.
const QColor highlightOverArt(255, 255, 0, 128);
// A label picked in the preview: tinted and edged in blue; one printed at the
// desk: a green tag in its corner. Both on the screen only.
const QColor selectionTint(0, 90, 220, 60);
const QColor selectionEdge(0, 90, 220);
constexpr qreal selectionEdgeMm = 0.8;
const QColor printedTag(0, 140, 60);
constexpr qreal printedTagHeightMm = 5;
constexpr qreal printedTagLetterShare = 0.7;
// Of the codes a design cannot hold, this many are named one by one.
constexpr int namedCodeProblems = 5;
// Sizes set alike on all labels kept for a few lists and boxes.
constexpr qsizetype keptUniformSizes = 16;
constexpr qreal halfPoint = 0.5;
// Pictures and codes make room for the lines only while this share of the
// label's text box is left in either direction.
constexpr qreal minimumTextShare = 0.4;

QPainterPath outlinePath(const LabelSheet &sheet, const QRectF &label, qreal scale) {
    QPainterPath path;
    if (sheet.shape == LabelShape::Rectangle && sheet.cornerRadius > 0)
        path.addRoundedRect(label, sheet.cornerRadius * scale, sheet.cornerRadius * scale);
    else if (sheet.shape == LabelShape::Rectangle)
        path.addRect(label);
    else
        path.addEllipse(label);
    return path;
}

// Whether two maps are the same list: a kept copy shares its entries'
// storage until either changes.
bool sameList(const LabelMap &one, const LabelMap &other) {
    return one.size() == other.size() && (one.isEmpty() || &one.at(0) == &other.at(0));
}

// The text of one line of a label, its cell's breaks splitting it.
QStringList piecesOfLine(const LabelEntry &entry, qsizetype line) {
    static const QRegularExpression breaks(
        QStringLiteral("\\r\\n|[\\n\\r\\v\\f\\x{2028}\\x{2029}]"));
    const QString text = line == 0 ? entry.name : entry.moreLines.value(line - 1);
    return text.split(breaks);
}

void drawOutline(QPainter &painter, const LabelSheet &sheet, const QRectF &label, qreal scale) {
    painter.drawPath(outlinePath(sheet, label, scale));
}
} // namespace

void LabelJob::setChosenSheet(std::optional<LabelSheet> sheet) {
    chosen = std::move(sheet);
    start = 0;
}

void LabelJob::setDesign(LabelDesign design) {
    if (design == look)
        return;
    look = std::move(design);
    auto read = std::make_shared<QList<PictureArt>>();
    for (const LabelPicture &picture : look.pictures)
        read->append(PictureArt(picture.bytes));
    pictures = std::move(read);
    // Values compared ignoring case and surrounding spaces; the first of
    // equal ones gives the colour.
    colourOfValue.clear();
    for (const auto &[value, colour] : look.category.colours)
        if (const QString folded = value.trimmed().toCaseFolded(); !colourOfValue.contains(folded))
            colourOfValue.insert(folded, colour);
}

QStringList LabelJob::designProblems() const {
    QStringList problems;
    for (const LabelPicture &picture : look.pictures)
        if (const QString problem = pictureProblem(picture); !problem.isEmpty())
            problems << problem;
    if (!look.code)
        return problems;
    int unnamed = 0;
    int named = 0;
    for (const LabelEntry &entry : list) {
        const QString problem = codeProblem(*look.code, entry.codeText);
        if (problem.isEmpty())
            continue;
        if (named == namedCodeProblems) {
            ++unnamed;
            continue;
        }
        ++named;
        problems << (entry.row >= 0
                         ? LabelJobTexts::tr("Zeile %1: %2").arg(entry.row + 1).arg(problem)
                         : problem);
    }
    if (unnamed > 0)
        problems << LabelJobTexts::tr("und %1 weitere").arg(unnamed);
    return problems;
}

LabelSheet LabelJob::sheet() const {
    return chosen ? *chosen : LabelSheet::fromPageLayout(grid);
}

void LabelJob::setStartSlot(std::int64_t slot) {
    const std::int64_t perPage = sheet().labelsPerPage();
    start = perPage > 0 ? std::clamp<std::int64_t>(slot, 0, perPage - 1) : 0;
}

int LabelJob::pageCount() const {
    const std::int64_t pages = sheet().pageCount(list.totalCopies(), start);
    return int(std::min<std::int64_t>(pages, INT_MAX));
}

std::int64_t LabelJob::pageOfCopy(std::int64_t copy) const {
    return sheet().positionOfCopy(copy, start).page;
}

QList<QStringList> LabelJob::labelsOnPage(int page) const {
    const LabelSheet paper = sheet();
    QList<QStringList> labels;
    if (paper.labelsPerPage() <= 0 || page < 0)
        return labels;
    std::int64_t slot = paper.firstSlotOnPage(page, start);
    for (LabelCursor cursor(list, paper.firstCopyOnPage(page, start));
         !cursor.atEnd() && slot < paper.labelsPerPage(); cursor.next(), ++slot)
        labels << QStringList{cursor.name()} + cursor.moreLines();
    return labels;
}

qreal LabelJob::pointSize() const {
    return labelFont.pointSizeF() > 0 ? labelFont.pointSizeF()
                                      : labelFont.pixelSize() * pointsPerInch / fallbackDotsPerInch;
}

QFont LabelJob::fontAtScale(qreal scale, const QPaintDevice &device) const {
    QFont font = labelFont;
    // The device turns points into its own units at its logical density;
    // the label wants points / 72 inches at scale units per millimetre.
    const qreal dpi = device.logicalDpiY() > 0 ? device.logicalDpiY() : fallbackDotsPerInch;
    font.setPointSizeF(pointSize() * scale * millimetresPerInch / dpi);
    // Unhinted, so letters keep their printed widths at every zoom.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QList<LineLook> LabelJob::paperLooks(const QFont &paperFont, const QSizeF &paperBox) const {
    // Points at the label font's scale on paper.
    const qreal perPoint = paperFont.pointSizeF() / pointSize();
    QList<LineLook> looks;
    for (qsizetype line = 0; line <= std::max<qsizetype>(look.lines.size(), 1); ++line) {
        const LineStyle style = look.lineStyle(line);
        LineLook set{paperFont, style.colour, style.alignment};
        if (line == 0 && style.font) {
            set.font.setWeight(style.font->weight());
            set.font.setItalic(style.font->italic());
        } else if (style.font) {
            set.font = *style.font;
            const qreal points =
                style.font->pointSizeF() > 0
                    ? style.font->pointSizeF()
                    : style.font->pixelSize() * pointsPerInch / fallbackDotsPerInch;
            set.font.setPointSizeF(points * perPoint);
            set.font.setHintingPreference(QFont::PreferNoHinting);
        } else if (line > 0) {
            set.font.setPointSizeF(paperFont.pointSizeF() * laterLineScale);
        }
        if (style.autoSize && line < look.lines.size())
            set.font.setPointSizeF(uniformSize(line, set, paperBox));
        looks << set;
    }
    return looks;
}

qreal LabelJob::uniformSize(qsizetype line, const LineLook &lineLook,
                            const QSizeF &paperBox) const {
    for (const UniformSize &kept : *uniformSizes)
        if (kept.line == line && kept.box == paperBox && kept.look == lineLook &&
            sameList(kept.list, list))
            return kept.points;
    // The widest text decides: measured once at the look's size, the others
    // scale with it, letters being unhinted.
    const QFontMetricsF metrics(lineLook.font, &paperUnits());
    QSet<QString> measured;
    QString widestText;
    qreal widest = 0;
    for (const LabelEntry &entry : list)
        for (const QString &piece : piecesOfLine(entry, line))
            if (!measured.contains(piece)) {
                measured.insert(piece);
                const qreal width = metrics.horizontalAdvance(piece);
                if (width > widest)
                    std::tie(widest, widestText) = std::tie(width, piece);
            }
    const qreal own = lineLook.font.pointSizeF();
    qreal points = own;
    if (widest > paperBox.width())
        points = own * paperBox.width() / widest;
    if (metrics.height() > paperBox.height())
        points = std::min(points, own * paperBox.height() / metrics.height());
    // Paper points are the label's points (the paper font's scale is 1).
    const qreal floor = std::min(own, smallestFittingPointSize);
    points = std::max(floor, std::floor(points / halfPoint) * halfPoint);
    // Rounding of the measurement: a half point less until the widest fits.
    for (QFont sized = lineLook.font; points - halfPoint >= floor; points -= halfPoint) {
        sized.setPointSizeF(points);
        if (QFontMetricsF(sized, &paperUnits()).horizontalAdvance(widestText) <= paperBox.width())
            break;
    }
    if (uniformSizes->size() >= keptUniformSizes)
        uniformSizes->removeFirst();
    uniformSizes->append({list, lineLook, line, paperBox, points});
    return points;
}

QRectF LabelJob::textAreaMm(const QSizeF &labelMm, const QMarginsF &unprintableMm) const {
    QRectF text = QRectF(QPointF(), labelMm)
                      .marginsRemoved(unprintableMm)
                      .adjusted(innerMarginXMm, innerMarginYMm, -innerMarginXMm, -innerMarginYMm);
    QList<QRectF> taken;
    if (look.category.style == CategoryColours::Style::Band &&
        (!look.category.colours.isEmpty() || look.category.otherValues.isValid()))
        taken << QRectF(0, labelMm.height() - look.category.bandHeightMm, labelMm.width(),
                        look.category.bandHeightMm);
    for (qsizetype at = 0; at < look.pictures.size(); ++at) {
        const LabelPicture &picture = look.pictures.at(at);
        const QSizeF size = pictures->at(at).size();
        if (picture.placement == LabelPicture::Placement::Logo && !size.isEmpty())
            taken << QRectF(
                picture.positionMm,
                QSizeF(picture.widthMm, picture.widthMm * size.height() / size.width()));
    }
    if (look.code)
        taken << look.code->areaMm;
    const QPointF middle(labelMm.width() / 2, labelMm.height() / 2);
    for (const QRectF &area : taken) {
        if (!area.intersects(text))
            continue;
        // A tall piece stands at a side and narrows the lines; a low one
        // stands above or below them.
        QRectF rest = text;
        if (area.height() > labelMm.height() / 2 && area.center().x() < middle.x())
            rest.setLeft(area.right());
        else if (area.height() > labelMm.height() / 2)
            rest.setRight(area.left());
        else if (area.center().y() < middle.y())
            rest.setTop(area.bottom());
        else
            rest.setBottom(area.top());
        // A piece that would leave the lines too little room is drawn over them.
        if (rest.width() >= text.width() * minimumTextShare &&
            rest.height() >= text.height() * minimumTextShare)
            text = rest;
    }
    return text;
}

QColor LabelJob::categoryColour(const QString &value) const {
    return colourOfValue.value(value.trimmed().toCaseFolded(), look.category.otherValues);
}

bool LabelJob::drawArt(QPainter &painter, const LabelEntry &entry, const QRectF &label,
                       qreal scale) const {
    bool drew = false;
    const QColor colour = look.category.colours.isEmpty() && !look.category.otherValues.isValid()
                              ? QColor()
                              : categoryColour(entry.category);
    if (colour.isValid() && look.category.style == CategoryColours::Style::Background) {
        painter.fillRect(label, colour);
        drew = true;
    }
    for (qsizetype at = 0; at < look.pictures.size(); ++at) {
        const LabelPicture &picture = look.pictures.at(at);
        const PictureArt &art = pictures->at(at);
        if (art.isNull())
            continue;
        if (picture.placement == LabelPicture::Placement::Background) {
            art.draw(painter, fittedInto(art.size(), label, true));
        } else {
            const qreal width = picture.widthMm * scale;
            const QSizeF size(width, width * art.size().height() / art.size().width());
            art.draw(painter, QRectF(label.topLeft() + picture.positionMm * scale, size));
        }
        drew = true;
    }
    if (colour.isValid() && look.category.style == CategoryColours::Style::Band) {
        const qreal band = look.category.bandHeightMm * scale;
        painter.fillRect(QRectF(label.left(), label.bottom() - band, label.width(), band), colour);
        drew = true;
    }
    if (look.code && !entry.codeText.isEmpty()) {
        const QRectF area(label.topLeft() + look.code->areaMm.topLeft() * scale,
                          look.code->areaMm.size() * scale);
        drawCode(painter, look.code->symbology, entry.codeText, area);
        drew = true;
    }
    return drew;
}

std::int64_t LabelJob::drawPage(QPainter &painter, int page, qreal scale, Medium medium,
                                const QString &foldedSearch) const {
    const LabelSheet paper = sheet();
    const std::int64_t perPage = paper.labelsPerPage();
    if (perPage <= 0 || page < 0)
        return 0;
    const bool screen = medium == Medium::Screen;
    // The grid always shows its frames; a chosen sheet's die-cut labels only
    // on the screen, or on paper when asked for.
    const bool outlines = !chosen || screen || frames;
    const std::int64_t firstSlot = paper.firstSlotOnPage(page, start);
    const QFont font = fontAtScale(paperScale, paperUnits());
    // The smallest size on paper, in the units of the font at this scale.
    const qreal smallest = smallestFittingPointSize * font.pointSizeF() / pointSize();
    const QMarginsF unprintable = paper.unprintableMarginsMm();
    const QRectF textMm = textAreaMm(paper.labelRect(firstSlot).size(), unprintable);
    const QSizeF paperBox = textMm.size() * paperScale;
    const QList<LineLook> looks = paperLooks(font, paperBox);
    const bool art = !look.pictures.isEmpty() || look.code || !look.category.colours.isEmpty() ||
                     look.category.otherValues.isValid();
    painter.save();
    // A turned roll's label is drawn rotated on the page as the printer feeds it.
    if (const QTransform turn = paper.labelToPage(scale); !turn.isIdentity())
        painter.setTransform(turn, true);
    painter.setPen(QPen(Qt::black, 0));
    if (chosen && screen) {
        // The labels used up before the start position, greyed.
        painter.setBrush(Qt::lightGray);
        for (std::int64_t slot = 0; slot < firstSlot; ++slot)
            drawOutline(painter, paper, scaled(paper.labelRect(slot), scale), scale);
    }
    std::int64_t slot = firstSlot;
    for (LabelCursor cursor(list, paper.firstCopyOnPage(page, start));
         !cursor.atEnd() && slot < perPage; cursor.next(), ++slot) {
        const LabelEntry &entry = cursor.current();
        const QRectF label = scaled(paper.labelRect(slot), scale);
        const bool highlighted = screen && highlightsFolded(entry.foldedName, foldedSearch);
        painter.setBrush(highlighted ? Qt::yellow : Qt::white);
        if (outlines || highlighted)
            drawOutline(painter, paper, label, scale);
        painter.save();
        // What fitting cannot shrink further (a label lower than one line)
        // is cut at the label's edge rather than drawn on its neighbour.
        painter.setClipPath(outlinePath(paper, label, scale), Qt::IntersectClip);
        // Nothing is drawn where the label printer cannot print.
        if (!unprintable.isNull())
            painter.setClipRect(label.marginsRemoved(unprintable * scale), Qt::IntersectClip);
        if (drawArt(painter, entry, label, scale) && highlighted)
            painter.fillRect(label, highlightOverArt);
        painter.translate(label.topLeft() + textMm.topLeft() * scale);
        painter.scale(scale / paperScale, scale / paperScale);
        fits->fit(QStringList{cursor.name()} + cursor.moreLines(), looks, paperBox, smallest,
                  &paperUnits())
            .draw(painter, QRectF(QPointF(0, 0), paperBox));
        painter.restore();
        if (outlines && art) {
            // The outline again over what the design drew.
            painter.save();
            painter.setBrush(Qt::NoBrush);
            drawOutline(painter, paper, label, scale);
            painter.restore();
        }
        if (screen)
            drawScreenMarks(painter, entry, cursor.entryIndex(), label, scale);
    }
    if (chosen && screen) {
        // The rest of the sheet, still empty.
        painter.setBrush(Qt::white);
        for (std::int64_t rest = slot; rest < perPage; ++rest)
            drawOutline(painter, paper, scaled(paper.labelRect(rest), scale), scale);
    }
    painter.restore();
    return slot - firstSlot;
}

void LabelJob::drawScreenMarks(QPainter &painter, const LabelEntry &entry, qsizetype entryIndex,
                               const QRectF &label, qreal scale) const {
    const bool picked = selected.contains(entryIndex);
    const bool printed = entry.row >= 0 && printedRows.contains(entry.row);
    if (!picked && !printed)
        return;
    painter.save();
    if (picked) {
        painter.fillRect(label, selectionTint);
        painter.setPen(QPen(selectionEdge, selectionEdgeMm * scale));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(label.adjusted(selectionEdgeMm * scale / 2, selectionEdgeMm * scale / 2,
                                        -selectionEdgeMm * scale / 2,
                                        -selectionEdgeMm * scale / 2));
    }
    if (printed) {
        // A tag in the top right corner, its letters sized to the tag.
        const qreal height = std::min(printedTagHeightMm * scale, label.height() / 3);
        QFont font = labelFont;
        font.setPixelSize(std::max(1, int(height * printedTagLetterShare)));
        const QString tag = QStringLiteral("\u2713 gedruckt");
        const qreal width =
            std::min(label.width(), QFontMetricsF(font).horizontalAdvance(tag) + height);
        const QRectF corner(label.right() - width, label.top(), width, height);
        painter.fillRect(corner, printedTag);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(corner, Qt::AlignCenter, tag);
    }
    painter.restore();
}

int LabelJob::pagesToPrint(int firstPage, int lastPage) const {
    const int last = std::min(lastPage, pageCount() - 1);
    return firstPage < 0 || last < firstPage ? 0 : last - firstPage + 1;
}

std::int64_t LabelJob::print(QPagedPaintDevice &device, int firstPage, int lastPage,
                             QPointF offsetMm, const PageProgress &progress) const {
    const LabelSheet paper = sheet();
    const int pages = std::max(pagesToPrint(firstPage, lastPage), 1);
    const auto goesOn = [&](std::int64_t page) {
        return !progress || progress(int(page - firstPage) + 1, pages);
    };
    // The sheet's paper (A4, a template's Letter, or a roll's label) whatever
    // the device's default paper.
    device.setPageSize(paper.pageSize());
    device.setPageOrientation(QPageLayout::Portrait);
    const qreal scale = device.logicalDpiX() / millimetresPerInch;
    QPainter painter;
    if (paper.labelsPerPage() <= 0 || firstPage < 0 || !goesOn(firstPage) ||
        !painter.begin(&device))
        return 0;
    painter.translate(offsetMm * scale);
    std::int64_t printed = drawPage(painter, firstPage, scale, Medium::Paper);
    for (std::int64_t page = std::int64_t(firstPage) + 1;
         page <= lastPage && paper.firstCopyOnPage(page, start) < list.totalCopies() &&
         goesOn(page);
         ++page) {
        device.newPage();
        printed += drawPage(painter, int(page), scale, Medium::Paper);
    }
    painter.end();
    return printed;
}
