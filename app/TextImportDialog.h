#pragma once

#include "xls/common/LoadOptions.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QTableWidget;

// "Textimport": how a delimited text file (CSV) is going to be read. Shows the
// detected encoding and delimiter, both changeable, and the first rows as the
// import will read them; Return accepts. The file is only read.
class TextImportDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int previewRows = 20;
    static constexpr int previewColumns = 30;

    explicit TextImportDialog(const QString &path, QWidget *parent = nullptr);

    // True when the file's content is plain text, whatever its name says.
    static bool isTextFile(const QString &path);

    // The encoding and the delimiter shown, for the import.
    LoadOptions loadOptions() const;

private:
    void fillChoices();
    void selectDetected(unsigned codePage, char16_t delimiter);
    void readPreview(const LoadOptions &options);

    QString path;
    QComboBox *encodingCombo = nullptr;
    QComboBox *delimiterCombo = nullptr;
    QLabel *detectedLabel = nullptr;
    QLabel *problemLabel = nullptr;
    QTableWidget *previewTable = nullptr;
    QDialogButtonBox *buttons = nullptr;
};
