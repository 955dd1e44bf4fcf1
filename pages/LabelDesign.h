#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>
#include <utility>

// How a label looks beyond its text: each line's style, pictures, a code and
// a colour by category. A default design draws a label as plain text in the
// label font, each line under the first at laterLineScale of its size.

// How one line of a label is set.
struct LineStyle {
    // The line's font. Unset: the label font for the first line, the label
    // font at laterLineScale of its size for the lines under it. The first
    // line's family and size are always the label font's.
    std::optional<QFont> font;
    QColor colour = Qt::black;
    // Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight.
    Qt::Alignment alignment = Qt::AlignHCenter;
    // The line is set in the largest size, up to its font's, at which it fits
    // on every label of the list, so the line has one size on all labels.
    bool autoSize = false;
    friend bool operator==(const LineStyle &, const LineStyle &) = default;
};

// A picture on the label: a logo placed in millimetres from the label's
// top-left corner, its height following the picture's aspect, or the
// label's background, filling the label.
struct LabelPicture {
    enum class Placement { Logo, Background };
    // The picture file's bytes (PNG, JPEG or SVG), kept so that a design
    // travels with its pictures.
    QByteArray bytes;
    // The name of the file it came from, shown to the user.
    QString fileName;
    Placement placement = Placement::Logo;
    QPointF positionMm;
    qreal widthMm = 20;
    friend bool operator==(const LabelPicture &, const LabelPicture &) = default;
};

enum class CodeSymbology { QrCode, DataMatrix, Code128, Ean13 };

// A code drawn on the label from each label's code text (LabelEntry::codeText),
// in an area given in millimetres from the label's top-left corner. A
// two-dimensional code is square, as large as the area allows.
struct LabelCode {
    CodeSymbology symbology = CodeSymbology::QrCode;
    QRectF areaMm;
    friend bool operator==(const LabelCode &, const LabelCode &) = default;
};

// A colour per value of a category column (LabelEntry::category), drawn as a
// band along the label's bottom edge or as the label's background.
struct CategoryColours {
    enum class Style { Band, Background };
    Style style = Style::Band;
    qreal bandHeightMm = 5;
    // The colour of each value, in the order the table shows them; a value
    // matches regardless of letter case and surrounding spaces.
    QList<std::pair<QString, QColor>> colours;
    // For values without a colour of their own; invalid: no colour.
    QColor otherValues;
    friend bool operator==(const CategoryColours &, const CategoryColours &) = default;
};

struct LabelDesign {
    // The style of each line; lines beyond the list take the default style.
    QList<LineStyle> lines;
    // At most one background and any number of logos, drawn in this order.
    QList<LabelPicture> pictures;
    std::optional<LabelCode> code;
    CategoryColours category;

    LineStyle lineStyle(qsizetype line) const { return lines.value(line); }
    friend bool operator==(const LabelDesign &, const LabelDesign &) = default;
};

// What a label's code encodes, built per row: a template of fields (the
// label text's form, e.g. "«E-Mail»"), or a vCard 3.0 made from the columns
// of first name, last name, company and e-mail (any of them may be absent,
// -1), its values escaped as RFC 2426 asks.
struct CodeContent {
    enum class Kind { None, Template, VCard };
    Kind kind = Kind::None;
    // For Kind::Template: the template's text form, fields by caption.
    QString templateText;
    // For Kind::VCard: the columns, -1 for none.
    int firstNameColumn = -1;
    int lastNameColumn = -1;
    int companyColumn = -1;
    int emailColumn = -1;
    friend bool operator==(const CodeContent &, const CodeContent &) = default;
};

// One key the labels are sorted by: a column, ascending or descending, in
// German collation (ä with a, ß with ss). Labels equal in every key keep the
// list's order.
struct SortKey {
    int column = -1;
    bool descending = false;
    friend bool operator==(const SortKey &, const SortKey &) = default;
};
