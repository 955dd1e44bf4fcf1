#include "app/DesignOptions.h"

#include "pages/ColumnLookup.h"
#include "pages/LabelArt.h"
#include "pages/LabelTemplate.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace {
// The context these texts are filed under in the translation.
struct CommandLineTexts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};
const QString designOption = QStringLiteral("design");
const QString logoOption = QStringLiteral("logo");
const QString qrOption = QStringLiteral("qr");

// The logo and the code keep this share of the label's smaller side from its
// edges: clear of a badge's rounded corners, and the quiet zone a scanner
// needs around a QR code.
constexpr qreal edgeShare = 0.05;
constexpr qreal logoWidthShare = 0.25;
constexpr qreal logoHeightShare = 0.4;
constexpr qreal codeHeightShare = 0.4;
constexpr qreal codeWidthShare = 1.0 / 3;

QRectF innerArea(QSizeF labelMm) {
    const qreal edge = edgeShare * std::min(labelMm.width(), labelMm.height());
    return QRectF(QPointF(), labelMm).adjusted(edge, edge, -edge, -edge);
}

// Width over height of a picture; 1 when its size cannot be told.
qreal aspectOf(const QByteArray &bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    const QSize size = QImageReader(&buffer).size();
    return size.isEmpty() ? 1.0 : qreal(size.width()) / size.height();
}

// The bytes of a file the command line names, opened read-only.
std::optional<CommandLineFailure> readFile(const QString &option, const QString &path,
                                           qint64 maximumFileBytes, QByteArray *bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CommandLineFailure{exitUnusableInput,
                                  CommandLineTexts::tr("--%1 %2: Datei nicht lesbar (%3)")
                                      .arg(option, path, file.errorString())};
    *bytes = file.read(maximumFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return CommandLineFailure{exitUnusableInput,
                                  CommandLineTexts::tr("--%1 %2: Datei nicht lesbar (%3)")
                                      .arg(option, path, file.errorString())};
    if (bytes->size() > maximumFileBytes)
        return CommandLineFailure{exitUnusableInput,
                                  CommandLineTexts::tr("--%1 %2: größer als %3 MB")
                                      .arg(option, path)
                                      .arg(maximumFileBytes / (1024 * 1024))};
    return std::nullopt;
}
} // namespace

void DesignOptions::addTo(QCommandLineParser &parser) {
    parser.addOptions({
        {designOption,
         CommandLineTexts::tr(
             "Wendet eine gespeicherte Gestaltung (.tagomat) an; die anderen Optionen gehen vor."),
         QStringLiteral("FILE")},
        {logoOption, CommandLineTexts::tr("Logo (PNG, JPEG, SVG) oben links auf jedem Etikett."),
         QStringLiteral("FILE")},
        {qrOption,
         CommandLineTexts::tr("QR-Code unten rechts: Spalten als «Überschrift», wie bei --text."),
         QStringLiteral("TEMPLATE")},
    });
}

std::optional<CommandLineFailure> DesignOptions::read(const QCommandLineParser &parser) {
    if (parser.isSet(qrOption)) {
        qrTemplate = parser.value(qrOption);
        if (isBlank(qrTemplate))
            return CommandLineFailure{
                exitUnusableCommandLine,
                CommandLineTexts::tr("--qr erwartet den Inhalt des Codes, z. B. \"«E-Mail»\"")};
    }
    QByteArray bytes;
    if (parser.isSet(designOption)) {
        designPath = parser.value(designOption);
        if (auto failure = readFile(designOption, designPath, designLimits::fileBytes, &bytes))
            return failure;
        QString reason;
        saved = readDesign(bytes, &reason);
        if (!saved)
            return CommandLineFailure{exitUnusableInput,
                                      QStringLiteral("--design %1: %2").arg(designPath, reason)};
    }
    if (parser.isSet(logoOption)) {
        const QString path = parser.value(logoOption);
        if (auto failure = readFile(logoOption, path, designLimits::pictureBytes, &bytes))
            return failure;
        LabelPicture picture;
        picture.bytes = bytes;
        picture.fileName = QFileInfo(path).fileName();
        if (const QString problem = pictureProblem(picture); !problem.isEmpty())
            return CommandLineFailure{exitUnusableInput, QStringLiteral("--logo: ") + problem};
        logo = picture;
    }
    return std::nullopt;
}

LabelChoice DesignOptions::choice(const QStringList &captions, const LabelChoice &otherwise) const {
    LabelChoice chosen = otherwise;
    if (saved) {
        chosen = saved->choiceFor(captions);
        if (chosen.text.isEmpty())
            chosen.text = otherwise.text;
    }
    if (!qrTemplate.isEmpty())
        chosen.code = CodeContent{CodeContent::Kind::Template, qrTemplate};
    return chosen;
}

std::optional<CommandLineFailure> DesignOptions::checkCaptions(const LabelChoice &choice,
                                                               const QStringList &captions) const {
    if (const QStringList missing = choice.text.missingCaptions(); !missing.isEmpty())
        return missingCaptionFailure(QStringLiteral("--design ") + designPath, missing, captions);
    if (choice.code.kind != CodeContent::Kind::Template)
        return std::nullopt;
    const QStringList missing =
        LabelTemplate::parse(choice.code.templateText, captions).missingCaptions();
    if (missing.isEmpty())
        return std::nullopt;
    return missingCaptionFailure(qrTemplate.isEmpty() ? QStringLiteral("--design ") + designPath
                                                      : QStringLiteral("--qr"),
                                 missing, captions);
}

LabelDesign DesignOptions::look(QSizeF labelMm) const {
    LabelDesign design = saved ? saved->look : LabelDesign();
    if (logo) {
        design.pictures.removeIf([](const LabelPicture &picture) {
            return picture.placement == LabelPicture::Placement::Logo;
        });
        design.pictures.append(placedLogo(*logo, labelMm));
    }
    if (!qrTemplate.isEmpty())
        design.code = LabelCode{CodeSymbology::QrCode, qrCodeArea(labelMm)};
    return design;
}

LabelPicture placedLogo(LabelPicture logo, QSizeF labelMm) {
    const QRectF inner = innerArea(labelMm);
    logo.placement = LabelPicture::Placement::Logo;
    logo.positionMm = inner.topLeft();
    logo.widthMm = std::min(inner.width() * logoWidthShare,
                            inner.height() * logoHeightShare * aspectOf(logo.bytes));
    return logo;
}

QRectF qrCodeArea(QSizeF labelMm) {
    const QRectF inner = innerArea(labelMm);
    const qreal side = std::min(inner.height() * codeHeightShare, inner.width() * codeWidthShare);
    return QRectF(inner.right() - side, inner.bottom() - side, side, side);
}

CommandLineFailure missingCaptionFailure(const QString &option, const QStringList &missing,
                                         const QStringList &captions) {
    const QString caption = missing.first();
    return CommandLineFailure{exitUnusableInput,
                              CommandLineTexts::tr("%1: %2; Spalten: %3")
                                  .arg(option,
                                       columnLookupProblem(lookUpColumn(captions, caption),
                                                           LabelTemplate::fieldOpening + caption +
                                                               LabelTemplate::fieldClosing),
                                       captions.join(QStringLiteral(", ")))};
}
