#include "app/PdfOutput.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSize>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

PdfOutput::PdfOutput(const QString &path, const LabelSheet &sheet)
    : path(path), part(path), file(part.path()),
      opened(!part.path().isEmpty() && file.open(QIODevice::WriteOnly)), pdf(&file) {
    pdf.setResolution(pdfDotsPerInch);
    pdf.setPageSize(sheet.pageSize());
    // Coordinates from the paper's corner.
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setCreator(QStringLiteral("Tagomat"));
}

std::optional<CommandLineFailure> PdfOutput::finish(bool printed) {
    file.close();
    if (opened && printed && file.error() == QFileDevice::NoError && part.keep())
        return std::nullopt;
    const QString reason = part.errorString().isEmpty() ? file.errorString() : part.errorString();
    return CommandLineFailure{
        exitUnusableInput,
        QCoreApplication::translate("CommandLine", "%1 konnte nicht geschrieben werden (%2)")
            .arg(path, reason)};
}

bool sameFile(const QString &first, const QString &second) {
    const QString canonical = QFileInfo(first).canonicalFilePath();
    if (!canonical.isEmpty() && canonical == QFileInfo(second).canonicalFilePath())
        return true;
#ifdef Q_OS_UNIX
    struct stat firstStat {};
    struct stat secondStat {};
    return ::stat(QFile::encodeName(first).constData(), &firstStat) == 0 &&
           ::stat(QFile::encodeName(second).constData(), &secondStat) == 0 &&
           firstStat.st_dev == secondStat.st_dev && firstStat.st_ino == secondStat.st_ino;
#else
    return false;
#endif
}
