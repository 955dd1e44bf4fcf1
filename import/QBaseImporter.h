#pragma once

#include "import/ImportedTable.h"

#include <QObject>
#include <QStringList>

// Common base of the importers: owns the imported table and the file
// information and answers the window's questions about them. A concrete
// importer fills both in importFile().
class QBaseImporter : public QObject {
    Q_OBJECT

public:
    explicit QBaseImporter(QObject *parent);

public slots:
    virtual void importFile(const QString &fileName);

public:
    virtual bool canImport(const QString &fileName) const;

    // A null string for a key that is not present.
    QString fileInfo(const QString &key) const;
    // An empty column for a column that is not present.
    ImportedColumn columnData(int column) const;
    // Row 0 of every column in ascending column order; a column without a
    // row 0 gives a null string, so positions stay equal to column indices.
    QStringList headerRow() const;
    // The whole imported sheet.
    const ImportedTable &importedTable() const { return table; }

protected:
    FileInfo info;
    ImportedTable table;
};
