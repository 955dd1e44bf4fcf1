#pragma once

#include <QString>

class QPrinter;

// A print run whose printer writes a PDF file writes it beside that file
// under a temporary name; the file of that name is replaced only when the run
// completes. A run cut short leaves no half-written PDF, and a file already
// there stays as it was. A printer that prints on paper is left alone.
class PdfRunFile {
public:
    explicit PdfRunFile(QPrinter &printer);
    ~PdfRunFile();
    PdfRunFile(const PdfRunFile &) = delete;
    PdfRunFile &operator=(const PdfRunFile &) = delete;

    // Puts the finished PDF in place; false when that failed.
    bool keep();

private:
    QPrinter &printer;
    QString target;
    QString temporary;
};
