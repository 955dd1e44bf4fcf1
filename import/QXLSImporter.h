#pragma once

#include "import/QBaseImporter.h"
#include "xls/common/LoadOptions.h"
#include "xls/common/ReadError.h"

#include <QList>
#include <QStringList>

#include <memory>
#include <optional>

class ExcelWorkbook;
class ExcelWorksheet;

// How a delimited text file is going to be read, and its first rows so read.
struct DelimitedTextPreview {
    bool loaded = false;
    unsigned codePage = 0;  // the one detected or chosen, 0 when not known
    char16_t delimiter = 0; // likewise
    QList<QStringList> rows;
    int columnCount = 0;
    xls::ReadErrorCode errorCode = xls::ReadErrorCode::None;
    std::optional<std::uint64_t> errorLine;
};

// Imports a worksheet of any workbook the reader knows (.xls and the older
// Excel versions, .xlsx/.xlsm, .ods/.fods, XML Spreadsheet 2003) or the
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

    // Whether the file's content is delimited text (CSV), whatever its name says.
    static bool isDelimitedText(const QString &fileName);
    // Reads a delimited text file with these options (a code page or
    // delimiter of 0 is detected) and keeps up to `rows` x `columns` texts.
    static DelimitedTextPreview previewDelimitedText(const QString &fileName,
                                                     const LoadOptions &options, int rows,
                                                     int columns);

    // The workbook of the last import; null before the first.
    const ExcelWorkbook *loadedWorkbook() const;

    // Why the last import failed, in English (empty after a successful one),
    // and the reader's code for it, which the window turns into its message.
    QString errorString() const;
    xls::ReadErrorCode errorCode() const;
    // The line of a text file where the last import failed, when it names one.
    std::optional<std::uint64_t> errorLine() const { return error.line; }
    // The whole error of the last import (code None after a successful one).
    const xls::ReadError &readError() const { return error; }

private:
    void copyCells(const ExcelWorksheet &sheet);
    void forgetPassword();

    std::unique_ptr<ExcelWorkbook> workbook;
    xls::ReadError error;
    LoadOptions loadOptions;
};
