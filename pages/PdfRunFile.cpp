#include "pages/PdfRunFile.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>

PdfRunFile::PdfRunFile(const QString &target) {
    makeBeside(target);
}

PdfRunFile::PdfRunFile(QPrinter &printer) {
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return;
    makeBeside(printer.outputFileName());
    if (temporary.isEmpty())
        return; // printed straight to the file, as without this guard
    this->printer = &printer;
    printer.setOutputFileName(temporary);
}

void PdfRunFile::makeBeside(const QString &name) {
    target = name;
    const QFileInfo existing(name);
    place = existing.isSymLink() && !existing.canonicalFilePath().isEmpty()
                ? existing.canonicalFilePath()
                : name;
    QTemporaryFile file(place + QStringLiteral(".XXXXXX.part"));
    file.setAutoRemove(false);
    if (!file.open()) {
        error = file.errorString();
        return;
    }
    // The permissions a new file gets, or those of the file it replaces.
    file.setPermissions(existing.exists() ? existing.permissions()
                                          : QFile::ReadOwner | QFile::WriteOwner |
                                                QFile::ReadGroup | QFile::ReadOther);
    temporary = file.fileName();
}

PdfRunFile::~PdfRunFile() {
    if (!temporary.isEmpty())
        QFile::remove(temporary);
    if (printer)
        printer->setOutputFileName(target);
}

bool PdfRunFile::keep() {
    if (temporary.isEmpty())
        return true; // nothing to put in place
    // rename() replaces the file of that name in one step.
    const bool kept = std::rename(QFile::encodeName(temporary).constData(),
                                  QFile::encodeName(place).constData()) == 0;
    if (kept)
        temporary.clear();
    else
        error = qt_error_string(errno);
    if (printer)
        printer->setOutputFileName(target);
    return kept;
}
