#include "pages/LabelArt.h"

#include <QCache>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QList>
#include <QLocale>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QSvgRenderer>

#include <zint.h>

#include <algorithm>

namespace {
// The context these texts are filed under in the translation.
struct LabelArtTexts {
    Q_DECLARE_TR_FUNCTIONS(LabelArt)
};
// Scanners read modules down to about this size in mm; smaller ones print
// as a grey blur on office printers.
constexpr qreal smallestModuleMm = 0.25;
// zint's vector output sets one module in this many units at scale 1.
constexpr qreal zintUnitsPerModule = 2;
// How much of a code's text a message quotes.
constexpr qsizetype quotedCharacters = 40;
// Codes of several pages of labels.
constexpr qsizetype keptCodes = 2048;

// An SVG is told by its content: an XML text whose document is <svg>.
bool looksLikeSvg(const QByteArray &bytes) {
    const QByteArray start = bytes.left(4096).trimmed();
    return start.startsWith('<') && start.contains("<svg");
}

int zintSymbology(CodeSymbology symbology) {
    switch (symbology) {
    case CodeSymbology::QrCode:
        return BARCODE_QRCODE;
    case CodeSymbology::DataMatrix:
        return BARCODE_DATAMATRIX;
    case CodeSymbology::Code128:
        return BARCODE_CODE128;
    case CodeSymbology::Ean13:
        break;
    }
    return BARCODE_EANX;
}

QString symbologyName(CodeSymbology symbology) {
    switch (symbology) {
    case CodeSymbology::QrCode:
        return LabelArtTexts::tr("einen QR-Code");
    case CodeSymbology::DataMatrix:
        return LabelArtTexts::tr("einen Data-Matrix-Code");
    case CodeSymbology::Code128:
        return QStringLiteral("Code 128");
    case CodeSymbology::Ean13:
        break;
    }
    return QStringLiteral("EAN-13");
}

// The most a symbology holds: QR code (ISO/IEC 18004, version 40, level L)
// and Data Matrix (ISO/IEC 16022, 144 x 144) in bytes, Code 128 as zint caps
// it in symbol characters (two digits share one).
QString capacity(CodeSymbology symbology) {
    switch (symbology) {
    case CodeSymbology::QrCode:
        return LabelArtTexts::tr("höchstens 2953 Bytes");
    case CodeSymbology::DataMatrix:
        return LabelArtTexts::tr("höchstens 1556 Bytes");
    case CodeSymbology::Code128:
        return LabelArtTexts::tr("höchstens 60 Codezeichen");
    case CodeSymbology::Ean13:
        break;
    }
    return LabelArtTexts::tr("genau 12 oder 13 Ziffern");
}

QString quoted(const QString &text) {
    const QString shown =
        text.size() > quotedCharacters ? text.left(quotedCharacters) + QChar(0x2026) : text;
    return LabelArtTexts::tr("„%1“").arg(shown);
}

// A code made by zint, as the rectangles of its vector output.
struct CodeVectors {
    int error = 0; // zint's, 0 or a warning when the code was made
    QString zintMessage;
    QSizeF size; // in zint's vector units, quiet zones included
    QList<QRectF> bars;
    // The digits an EAN-13 shows under its bars, in the same units.
    struct Digits {
        QPointF baseline;  // where the text's baseline is aligned
        qreal size = 0;    // the font's em
        int alignment = 0; // zint's: 0 centred, 1 left, 2 right
        QString text;
    };
    QList<Digits> digits;
};

std::shared_ptr<const CodeVectors> makeCode(CodeSymbology symbology, const QString &text) {
    auto made = std::make_shared<CodeVectors>();
    std::unique_ptr<zint_symbol, void (*)(zint_symbol *)> symbol(ZBarcode_Create(),
                                                                 ZBarcode_Delete);
    if (!symbol) {
        made->error = ZINT_ERROR_MEMORY;
        return made;
    }
    symbol->symbology = zintSymbology(symbology);
    symbol->input_mode = UNICODE_MODE;
    // The digits belong under an EAN-13 (GS1 General Specifications 4.14);
    // the other codes carry texts nobody reads off the badge.
    symbol->show_hrt = symbology == CodeSymbology::Ean13 ? 1 : 0;
    symbol->output_options |= BARCODE_QUIET_ZONES;
    const QByteArray utf8 = text.toUtf8();
    made->error = ZBarcode_Encode(
        symbol.get(), reinterpret_cast<const unsigned char *>(utf8.data()), int(utf8.size()));
    if (made->error < ZINT_ERROR)
        made->error = std::max(made->error, ZBarcode_Buffer_Vector(symbol.get(), 0));
    made->zintMessage = QString::fromUtf8(symbol->errtxt);
    if (made->error >= ZINT_ERROR || !symbol->vector)
        return made;
    made->size = QSizeF(symbol->vector->width, symbol->vector->height);
    for (const zint_vector_rect *bar = symbol->vector->rectangles; bar; bar = bar->next)
        made->bars << QRectF(bar->x, bar->y, bar->width, bar->height);
    for (const zint_vector_string *text = symbol->vector->strings; text; text = text->next)
        made->digits << CodeVectors::Digits{
            QPointF(text->x, text->y), text->fsize, text->halign,
            QString::fromUtf8(reinterpret_cast<const char *>(text->text), text->length)};
    return made;
}

// Each code made once per symbology and text, shared by all jobs.
std::shared_ptr<const CodeVectors> codeOf(CodeSymbology symbology, const QString &text) {
    using Key = std::pair<int, QString>;
    static QMutex guard;
    static QCache<Key, std::shared_ptr<const CodeVectors>> kept(keptCodes);
    const Key key{int(symbology), text};
    {
        const QMutexLocker lock(&guard);
        if (const auto *found = kept.object(key))
            return *found;
    }
    auto made = makeCode(symbology, text);
    const QMutexLocker lock(&guard);
    kept.insert(key, new std::shared_ptr<const CodeVectors>(made));
    return made;
}

// The check digit of the first 12 digits of an EAN-13 (GS1 General
// Specifications 7.9.1: weights 1 and 3 from the left).
int eanCheckDigit(const QString &digits) {
    int sum = 0;
    for (int at = 0; at < 12; ++at)
        sum += digits.at(at).digitValue() * (at % 2 == 0 ? 1 : 3);
    return (10 - sum % 10) % 10;
}

QString eanProblem(const QString &text) {
    const bool digitsOnly =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digitsOnly || (text.size() != 12 && text.size() != 13))
        return LabelArtTexts::tr("%1 ist kein EAN-13: %2 Zeichen, erlaubt sind genau 12 oder 13 "
                                 "Ziffern.")
            .arg(quoted(text))
            .arg(text.size());
    if (text.size() == 13 && text.at(12).digitValue() != eanCheckDigit(text))
        return LabelArtTexts::tr("Die Prüfziffer von %1 stimmt nicht: %2 statt %3.")
            .arg(quoted(text), text.at(12))
            .arg(eanCheckDigit(text));
    return QString();
}

QString encodingProblem(CodeSymbology symbology, const QString &text, const CodeVectors &code) {
    if (code.error < ZINT_ERROR)
        return QString();
    const QString name = symbologyName(symbology);
    switch (code.error) {
    case ZINT_ERROR_TOO_LONG:
        return LabelArtTexts::tr("%1 ist mit %2 Bytes zu lang für %3 (%4).")
            .arg(quoted(text))
            .arg(text.toUtf8().size())
            .arg(name, capacity(symbology));
    case ZINT_ERROR_INVALID_DATA:
        return LabelArtTexts::tr("%1 enthält Zeichen, die %2 nicht darstellen kann.")
            .arg(quoted(text), name);
    default:
        return LabelArtTexts::tr("%1 lässt sich nicht als %2 darstellen (zint: %3).")
            .arg(quoted(text), name, code.zintMessage);
    }
}

bool isTwoDimensional(CodeSymbology symbology) {
    return symbology == CodeSymbology::QrCode || symbology == CodeSymbology::DataMatrix;
}
} // namespace

QString pictureProblem(const LabelPicture &picture) {
    const QString name =
        picture.fileName.isEmpty() ? LabelArtTexts::tr("ohne Namen") : picture.fileName;
    if (picture.bytes.isEmpty())
        return LabelArtTexts::tr("Das Bild „%1“ ist leer.").arg(name);
    if (PictureArt(picture.bytes).isNull())
        return looksLikeSvg(picture.bytes)
                   ? LabelArtTexts::tr(
                         "Das Bild „%1“ lässt sich nicht lesen: das SVG ist fehlerhaft.")
                         .arg(name)
                   : LabelArtTexts::tr(
                         "Das Bild „%1“ lässt sich nicht lesen: es ist kein PNG, JPEG "
                         "oder SVG, das sich öffnen lässt.")
                         .arg(name);
    return QString();
}

namespace {
// Why the made code cannot hold its text, or why it would print too dense
// for its area; empty when neither.
QString madeCodeProblem(const LabelCode &code, const QString &text, const CodeVectors &made) {
    if (const QString problem = encodingProblem(code.symbology, text, made); !problem.isEmpty())
        return problem;
    if (code.areaMm.isEmpty() || made.size.isEmpty())
        return QString();
    const QRectF drawn = fittedInto(made.size, code.areaMm);
    const qreal moduleMm = drawn.width() / made.size.width() * zintUnitsPerModule;
    if (moduleMm >= smallestModuleMm)
        return QString();
    const QLocale german(QLocale::German);
    return LabelArtTexts::tr("%1 ist zu lang für die gewählte Größe: ein Modul wäre %2 mm breit, "
                             "lesbar sind ab %3 mm.")
        .arg(quoted(text), german.toString(moduleMm, 'f', 2),
             german.toString(smallestModuleMm, 'f', 2));
}

// A QR code of ASCII text never outgrows the one of as many bytes in byte
// mode (ISO/IEC 18004 7.4.5), the densest any text of that length needs: when
// that one fits, the text's own code fits and need not be made, which is
// what makes checking a whole list quick.
bool fitsAsAnyAsciiText(const LabelCode &code, const QString &text) {
    if (code.symbology != CodeSymbology::QrCode ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return false;
    // Lower-case letters are outside the alphanumeric mode: byte mode throughout.
    const QString bytes(text.size(), u'a');
    return madeCodeProblem(code, bytes, *codeOf(code.symbology, bytes)).isEmpty();
}
} // namespace

QString codeProblem(const LabelCode &code, const QString &text) {
    if (text.isEmpty())
        return QString();
    if (code.symbology == CodeSymbology::Ean13)
        if (const QString problem = eanProblem(text); !problem.isEmpty())
            return problem;
    if (fitsAsAnyAsciiText(code, text))
        return QString();
    return madeCodeProblem(code, text, *codeOf(code.symbology, text));
}

PictureArt::PictureArt(const QByteArray &bytes) {
    if (looksLikeSvg(bytes)) {
        svg = std::make_shared<QSvgRenderer>(bytes);
        if (!svg->isValid())
            svg.reset();
        return;
    }
    image = QImage::fromData(bytes);
}

QSizeF PictureArt::size() const {
    if (!svg)
        return image.size();
    const QSizeF box = svg->viewBoxF().size();
    return box.isEmpty() ? QSizeF(svg->defaultSize()) : box;
}

void PictureArt::draw(QPainter &painter, const QRectF &target) const {
    if (svg) {
        svg->render(&painter, target);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    painter.restore();
}

QRectF fittedInto(const QSizeF &picture, const QRectF &area, bool cover) {
    if (picture.isEmpty() || area.isEmpty())
        return QRectF();
    const QSizeF size =
        picture.scaled(area.size(), cover ? Qt::KeepAspectRatioByExpanding : Qt::KeepAspectRatio);
    QRectF placed(QPointF(), size);
    placed.moveCenter(area.center());
    return placed;
}

namespace {
// Draws the digits as text, so that a PDF holds them as digits; the painter
// is in the code's units, in which fonts come in no fitting size, so each
// is drawn at a size that does and scaled.
void drawDigits(QPainter &painter, const QList<CodeVectors::Digits> &digits) {
    constexpr int drawnPixels = 100;
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(drawnPixels);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const CodeVectors::Digits &text : digits) {
        const qreal width = metrics.horizontalAdvance(text.text);
        const qreal start = text.alignment == 1 ? 0 : text.alignment == 2 ? -width : -width / 2;
        painter.save();
        painter.translate(text.baseline);
        painter.scale(text.size / drawnPixels, text.size / drawnPixels);
        painter.drawText(QPointF(start, 0), text.text);
        painter.restore();
    }
}
} // namespace

void drawCode(QPainter &painter, CodeSymbology symbology, const QString &text, const QRectF &area) {
    if (text.isEmpty())
        return;
    const auto code = codeOf(symbology, text);
    if (code->error >= ZINT_ERROR || code->size.isEmpty())
        return;
    QRectF target = fittedInto(code->size, area);
    if (isTwoDimensional(symbology)) {
        const qreal side = std::min(target.width(), target.height());
        target = fittedInto(QSizeF(side, side), area);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(target, Qt::white);
    painter.translate(target.topLeft());
    painter.scale(target.width() / code->size.width(), target.height() / code->size.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRects(code->bars);
    drawDigits(painter, code->digits);
    painter.restore();
}
