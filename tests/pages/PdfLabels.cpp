#include "PdfLabels.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

#include <algorithm>
#include <cmath>

namespace pdflabels {

namespace {

constexpr double millimetresPerPoint = 25.4 / 72.0;

QString unescape(const QString &html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText();
}

} // namespace

QList<Page> readPages(const QString &pdfPath, QString *error) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        *error = QStringLiteral("pdftotext -bbox failed (is poppler-utils installed?): ") +
                 process.errorString() + QString::fromUtf8(process.readAllStandardError());
        return {};
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression pageTag(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordTag(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>)re"));
    QList<Page> pages;
    for (const QString &chunk : html.split(QStringLiteral("</page>"))) {
        const QRegularExpressionMatch header = pageTag.match(chunk);
        if (!header.hasMatch())
            continue;
        Page page;
        page.sizeMm = QSizeF(header.captured(1).toDouble(), header.captured(2).toDouble()) *
                      millimetresPerPoint;
        for (const QRegularExpressionMatch &word : wordTag.globalMatch(chunk)) {
            const QPointF topLeft(word.captured(1).toDouble(), word.captured(2).toDouble());
            const QPointF bottomRight(word.captured(3).toDouble(), word.captured(4).toDouble());
            page.words.append(
                {unescape(word.captured(5)),
                 QRectF(topLeft * millimetresPerPoint, bottomRight * millimetresPerPoint)});
        }
        pages.append(page);
    }
    return pages;
}

QImage rasterPage(const QString &pdfPath, int page, qreal dotsPerInch, QString *error) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess process;
    const QString number = QString::number(page);
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-aa"),
                   QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"),
                   QStringLiteral("-r"), QString::number(dotsPerInch, 'f', 4), QStringLiteral("-f"),
                   number, QStringLiteral("-l"), number, pdfPath, prefix});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        *error = QStringLiteral("pdftoppm failed (is poppler-utils installed?): ") +
                 process.errorString() + QString::fromUtf8(process.readAllStandardError());
        return {};
    }
    QImage image(prefix + QStringLiteral(".png"));
    if (image.isNull())
        *error = QStringLiteral("pdftoppm wrote no page image");
    return image.convertToFormat(QImage::Format_RGB32);
}

QMap<std::int64_t, QString> labelTexts(const Page &page, const PageLayout &layout) {
    QList<Word> words = page.words;
    std::sort(words.begin(), words.end(),
              [](const Word &a, const Word &b) { return a.boxMm.left() < b.boxMm.left(); });
    QMap<std::int64_t, QString> texts;
    for (const Word &word : words) {
        const QPointF centre = word.boxMm.center();
        const double column = std::floor((centre.x() - layout.grid.left()) / layout.labelWidth);
        const double row = std::floor((centre.y() - layout.grid.top()) / layout.labelHeight);
        std::int64_t slot = -1;
        if (column >= 0 && column < layout.columns && row >= 0 && row < layout.rows)
            slot = std::int64_t(row) * layout.columns + std::int64_t(column);
        QString &text = texts[slot];
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + word.text;
    }
    return texts;
}

QMap<std::int64_t, LabelWords> labelWords(const Page &page, const LabelSheet &sheet,
                                          QPointF offsetMm) {
    QList<Word> words = page.words;
    // Reading order: lines from top to bottom, words from left to right.
    std::sort(words.begin(), words.end(), [](const Word &a, const Word &b) {
        if (std::abs(a.boxMm.center().y() - b.boxMm.center().y()) > 1)
            return a.boxMm.center().y() < b.boxMm.center().y();
        return a.boxMm.left() < b.boxMm.left();
    });
    QMap<std::int64_t, LabelWords> labels;
    for (const Word &word : words) {
        std::int64_t slot = -1;
        for (std::int64_t candidate = 0; candidate < sheet.labelsPerPage() && slot < 0; ++candidate)
            if (sheet.labelRect(candidate).translated(offsetMm).contains(word.boxMm.center()))
                slot = candidate;
        LabelWords &label = labels[slot];
        label.text += (label.text.isEmpty() ? QString() : QStringLiteral(" ")) + word.text;
        label.boxMm = label.boxMm.isNull() ? word.boxMm : label.boxMm.united(word.boxMm);
    }
    return labels;
}

QList<Page> printAndRead(const std::function<std::int64_t(QPrinter &)> &print,
                         std::int64_t *printed, QString *error) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printed.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setFullPage(true);
        printer.setPageMargins(QMarginsF());
        *printed = print(printer);
    }
    return readPages(path, error);
}

QString describe(const QRectF &mm) {
    return QStringLiteral("%1,%2 %3x%4 mm")
        .arg(mm.left(), 0, 'f', 2)
        .arg(mm.top(), 0, 'f', 2)
        .arg(mm.width(), 0, 'f', 2)
        .arg(mm.height(), 0, 'f', 2);
}

} // namespace pdflabels
