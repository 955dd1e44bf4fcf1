#pragma once

#include "import/QBaseImporter.h"
#include "xls/common/ReadError.h"
#include "xls/common/LoadOptions.h"

#include <memory>

class ExcelWorkbook;
class ExcelWorksheet;

// Imports the first worksheet of an Excel 97-2003 workbook (.xls), or the
// records of a delimited text file (CSV): every cell with a value becomes its
// text in the imported table.
class QXLSImporter : public QBaseImporter {
    Q_OBJECT

public:
    explicit QXLSImporter(QObject *parent);
    ~QXLSImporter() override;

public slots:
    void importFile(const QString &fileName) override;

public:
    bool canImport(const QString &fileName) const override;

    // importFile() for another worksheet of the workbook (importFile reads sheet 0).
    void importSheet(const QString &fileName, int sheetIndex);
    // Options for the next import (a password, a CSV's delimiter and
    // encoding): the password is wiped once that import has used it, so that
    // no password outlives the import it was given for.
    void setLoadOptions(const LoadOptions &options);

    // The workbook of the last import; null before the first.
    const ExcelWorkbook *loadedWorkbook() const;

    // Why the last import failed, in English (empty after a successful one),
    // and the reader's code for it, which the window turns into its message.
    QString errorString() const;
    xls::ReadErrorCode errorCode() const;
    // The line of a text file where the last import failed, when it names one.
    std::optional<std::uint64_t> errorLine() const { return error.line; }

private:
    void copyCells(const ExcelWorksheet &sheet);
    void forgetPassword();

    std::unique_ptr<ExcelWorkbook> workbook;
    xls::ReadError error;
    LoadOptions loadOptions;
};
