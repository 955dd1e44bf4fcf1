#include "app/PdfOutput.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSize>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

PdfOutput::PdfOutput(const QString &path, const LabelSheet &sheet)
    : file(path), opened(file.open(QIODevice::WriteOnly)), pdf(&file) {
    pdf.setResolution(pdfDotsPerInch);
    pdf.setPageSize(sheet.pageSize());
    // Coordinates from the paper's corner.
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setCreator(QStringLiteral("Tagomat"));
}

std::optional<CommandLineFailure> PdfOutput::finish(bool printed) {
    if (opened && printed && file.commit())
        return std::nullopt;
    const QString reason = file.errorString();
    file.cancelWriting();
    return CommandLineFailure{
        exitUnusableInput,
        QCoreApplication::translate("CommandLine", "%1 konnte nicht geschrieben werden (%2)")
            .arg(file.fileName(), reason)};
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
