#pragma once

#include "import/QBaseImporter.h"
#include "xls/common/ReadError.h"

#include <memory>

class ExcelWorkbook;

// Imports the first worksheet of an Excel 97-2003 workbook (.xls): every
// cell with a value becomes its text in the imported table.
class QXLSImporter : public QBaseImporter {
    Q_OBJECT

public:
    explicit QXLSImporter(QObject *parent);
    ~QXLSImporter() override;

public slots:
    void importFile(const QString &fileName) override;

public:
    bool canImport(const QString &fileName) const override;

    // Why the last import failed, in English (empty after a successful one),
    // and the reader's code for it, which the window turns into its message.
    QString errorString() const;
    xls::ReadErrorCode errorCode() const;

private:
    std::unique_ptr<ExcelWorkbook> workbook;
    xls::ReadError error;
};
