#pragma once

#include "app/CommandLineFailure.h"
#include "pages/LabelSheet.h"
#include "pages/PdfRunFile.h"

#include <QFile>
#include <QPdfWriter>
#include <QString>

#include <optional>

// A PDF writer at a printer's high resolution, writing to a temporary file
// of a unique name beside the output file. The output file is replaced only
// when the whole document is written; a failed run changes nothing.
class PdfOutput {
public:
    PdfOutput(const QString &path, const LabelSheet &sheet);
    QPdfWriter &writer() { return pdf; }
    // Puts the document in place when it was printed, else leaves every file
    // as it was and answers why.
    std::optional<CommandLineFailure> finish(bool printed);

private:
    static constexpr int pdfDotsPerInch = 1200;
    QString path;
    PdfRunFile part;
    QFile file;
    bool opened = false;
    QPdfWriter pdf;
};

// Whether two paths name one file: the same file once links are followed, or
// two hard links to it.
bool sameFile(const QString &first, const QString &second);
