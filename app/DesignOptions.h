#pragma once

#include "app/CommandLineFailure.h"
#include "pages/DesignFile.h"

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <optional>

class QCommandLineParser;

// The look the command line prints with: a saved design (--design FILE), a
// logo at the top left of every label (--logo FILE) and a QR code at its
// bottom right (--qr TEMPLATE). What the other options give beside --design
// (stock, font, label text, columns, logo, code) replaces the design's own.
class DesignOptions {
public:
    static void addTo(QCommandLineParser &parser);

    // Reads the files the options name, each opened read-only. A design file
    // that is damaged or of a newer version, or a logo that cannot be drawn,
    // is refused with the reason; an empty --qr is no command line.
    std::optional<CommandLineFailure> read(const QCommandLineParser &parser);

    bool hasDesign() const { return saved.has_value(); }
    // The design's sheet; none: the grid of the label size.
    std::optional<LabelSheet> sheet() const { return saved ? saved->sheet : std::nullopt; }
    // The design's label font, else the one given.
    QFont font(const QFont &otherwise) const { return saved ? saved->font : otherwise; }
    // The design's choice of columns for a list of these captions (otherwise
    // without a design, or when the design has no label text), its code
    // replaced by --qr's.
    LabelChoice choice(const QStringList &captions, const LabelChoice &otherwise) const;
    // A caption that the design's label text or the code's template names and
    // the list lacks is refused, as one in --text is.
    std::optional<CommandLineFailure> checkCaptions(const LabelChoice &choice,
                                                    const QStringList &captions) const;
    // The look of labels of this size: the design's, its logos replaced by
    // --logo's and its code by --qr's.
    LabelDesign look(QSizeF labelMm) const;

private:
    QString designPath;
    std::optional<SavedDesign> saved;
    std::optional<LabelPicture> logo;
    QString qrTemplate;
};

// The picture placed as --logo places it on a label of this size: at the top
// left, a quarter of the label's width wide, no taller than 40 % of its height.
LabelPicture placedLogo(LabelPicture logo, QSizeF labelMm);
// The square --qr's code takes at the bottom right of a label of this size:
// the smaller of 40 % of its height and a third of its width.
QRectF qrCodeArea(QSizeF labelMm);

// The refusal of a field whose caption the list lacks, the first of missing,
// for the option that named it.
CommandLineFailure missingCaptionFailure(const QString &option, const QStringList &missing,
                                         const QStringList &captions);
