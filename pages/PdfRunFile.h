#pragma once

#include <QString>

class QPrinter;

// A PDF written beside its target file under a temporary name; the file of
// that name is replaced only when the run completes. A run cut short leaves
// no half-written PDF, and a file already there stays as it was. A target
// that is a symbolic link is written through it, so the link stays.
class PdfRunFile {
public:
    // For a writer that opens path(), which is empty when no file could be
    // made beside the target.
    explicit PdfRunFile(const QString &target);
    // Points a printer that writes a PDF file at path() until the run ends. A
    // printer that prints on paper is left alone, and so is one whose target
    // has no room for a file beside it.
    explicit PdfRunFile(QPrinter &printer);
    ~PdfRunFile();
    PdfRunFile(const PdfRunFile &) = delete;
    PdfRunFile &operator=(const PdfRunFile &) = delete;

    const QString &path() const { return temporary; }
    // Why no file could be made or put in place.
    const QString &errorString() const { return error; }
    // Puts the finished PDF in place; false when that failed.
    bool keep();

private:
    void makeBeside(const QString &target);

    QPrinter *printer = nullptr;
    QString target;
    QString place;
    QString temporary;
    QString error;
};
