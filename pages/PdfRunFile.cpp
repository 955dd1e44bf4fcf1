#include "pages/PdfRunFile.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>

#include <cstdio>

PdfRunFile::PdfRunFile(QPrinter &printer) : printer(printer) {
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return;
    QTemporaryFile file(printer.outputFileName() + QStringLiteral(".XXXXXX.part"));
    file.setAutoRemove(false);
    if (!file.open())
        return; // printed straight to the file, as without this guard
    // The permissions a new file gets, or those of the file it replaces.
    const QFileInfo existing(printer.outputFileName());
    file.setPermissions(existing.exists() ? existing.permissions()
                                          : QFile::ReadOwner | QFile::WriteOwner |
                                                QFile::ReadGroup | QFile::ReadOther);
    target = printer.outputFileName();
    temporary = file.fileName();
    printer.setOutputFileName(temporary);
}

PdfRunFile::~PdfRunFile() {
    if (temporary.isEmpty())
        return;
    QFile::remove(temporary);
    printer.setOutputFileName(target);
}

bool PdfRunFile::keep() {
    if (temporary.isEmpty())
        return true;
    // rename() replaces the file of that name in one step.
    const bool kept = std::rename(QFile::encodeName(temporary).constData(),
                                  QFile::encodeName(target).constData()) == 0;
    if (kept)
        temporary.clear();
    printer.setOutputFileName(target);
    return kept;
}
