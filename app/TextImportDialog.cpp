#include "app/TextImportDialog.h"

#include "app/ImportFailureText.h"
#include "import/QXLSImporter.h"
#include "xls/common/CodePage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The context these texts are filed under in the translation.
struct TextImportDialogTexts {
    Q_DECLARE_TR_FUNCTIONS(TextImportDialog)
};

struct EncodingChoice {
    unsigned codePage;
    const char *caption;
};

// The encodings name lists come in; detection names the first four.
constexpr EncodingChoice encodingChoices[] = {
    {xls::codePageUtf8, QT_TRANSLATE_NOOP("TextImportDialog", "UTF-8")},
    {xls::codePageWindows1252,
     QT_TRANSLATE_NOOP("TextImportDialog", "Windows-1252 (Westeuropäisch)")},
    {xls::codePageUtf16, QT_TRANSLATE_NOOP("TextImportDialog", "UTF-16 LE")},
    {xls::codePageUtf16Be, QT_TRANSLATE_NOOP("TextImportDialog", "UTF-16 BE")},
    {28605, QT_TRANSLATE_NOOP("TextImportDialog", "ISO-8859-15 (Latin-9)")},
    {850, QT_TRANSLATE_NOOP("TextImportDialog", "DOS (Codepage 850)")},
    {10000, QT_TRANSLATE_NOOP("TextImportDialog", "Mac OS Roman")},
};

struct DelimiterChoice {
    char delimiter;
    const char *caption;
};

constexpr DelimiterChoice delimiterChoices[] = {
    {';', QT_TRANSLATE_NOOP("TextImportDialog", "Semikolon ( ; )")},
    {',', QT_TRANSLATE_NOOP("TextImportDialog", "Komma ( , )")},
    {'\t', QT_TRANSLATE_NOOP("TextImportDialog", "Tabulator")},
    {'|', QT_TRANSLATE_NOOP("TextImportDialog", "Senkrechter Strich ( | )")},
};

QString delimiterCaption(char16_t delimiter) {
    for (const DelimiterChoice &choice : delimiterChoices)
        if (char16_t(choice.delimiter) == delimiter)
            return TextImportDialogTexts::tr(choice.caption);
    return TextImportDialogTexts::tr("Zeichen „%1“").arg(QChar(delimiter));
}

QString encodingCaption(unsigned codePage) {
    for (const EncodingChoice &choice : encodingChoices)
        if (choice.codePage == codePage)
            return TextImportDialogTexts::tr(choice.caption);
    return TextImportDialogTexts::tr("Codepage %1").arg(codePage);
}

} // namespace

TextImportDialog::TextImportDialog(const QString &path, QWidget *parent)
    : QDialog(parent), path(path) {
    setObjectName(QStringLiteral("textImportDialog"));
    setWindowTitle(TextImportDialogTexts::tr("Textimport"));

    encodingCombo = new QComboBox;
    encodingCombo->setObjectName(QStringLiteral("encodingCombo"));
    delimiterCombo = new QComboBox;
    delimiterCombo->setObjectName(QStringLiteral("delimiterCombo"));
    detectedLabel = new QLabel;
    detectedLabel->setObjectName(QStringLiteral("detectedLabel"));
    problemLabel = new QLabel;
    problemLabel->setObjectName(QStringLiteral("problemLabel"));
    problemLabel->setWordWrap(true);
    previewTable = new QTableWidget;
    previewTable->setObjectName(QStringLiteral("previewTable"));
    previewTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    previewTable->setFocusPolicy(Qt::NoFocus);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    buttons->button(QDialogButtonBox::Ok)->setText(TextImportDialogTexts::tr("Importieren"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(TextImportDialogTexts::tr("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(TextImportDialogTexts::tr("Zeichenkodierung:"), encodingCombo);
    form->addRow(TextImportDialogTexts::tr("Trennzeichen:"), delimiterCombo);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(detectedLabel);
    layout->addLayout(form);
    layout->addWidget(
        new QLabel(TextImportDialogTexts::tr("So werden die ersten Zeilen gelesen:")));
    layout->addWidget(previewTable, 1);
    layout->addWidget(problemLabel);
    layout->addWidget(buttons);
    resize(640, 420);

    fillChoices();
    readPreview({});
    const auto onChoice = [this] {
        readPreview(loadOptions());
    };
    connect(encodingCombo, &QComboBox::currentIndexChanged, this, onChoice);
    connect(delimiterCombo, &QComboBox::currentIndexChanged, this, onChoice);
}

bool TextImportDialog::isTextFile(const QString &path) {
    return QXLSImporter::isDelimitedText(path);
}

LoadOptions TextImportDialog::loadOptions() const {
    LoadOptions options;
    options.csvCodePage = encodingCombo->currentData().toUInt();
    options.csvDelimiter = char(delimiterCombo->currentData().toInt());
    return options;
}

void TextImportDialog::fillChoices() {
    for (const EncodingChoice &choice : encodingChoices)
        encodingCombo->addItem(TextImportDialogTexts::tr(choice.caption), choice.codePage);
    for (const DelimiterChoice &choice : delimiterChoices)
        delimiterCombo->addItem(TextImportDialogTexts::tr(choice.caption), int(choice.delimiter));
}

void TextImportDialog::selectDetected(unsigned codePage, char16_t delimiter) {
    // A delimiter named by a "sep=" line may be any character.
    if (delimiterCombo->findData(int(delimiter)) < 0 && delimiter > 0 && delimiter < 0x80)
        delimiterCombo->addItem(delimiterCaption(delimiter), int(delimiter));
    if (encodingCombo->findData(codePage) < 0)
        encodingCombo->addItem(encodingCaption(codePage), codePage);
    encodingCombo->setCurrentIndex(encodingCombo->findData(codePage));
    delimiterCombo->setCurrentIndex(delimiterCombo->findData(int(delimiter)));
    detectedLabel->setText(TextImportDialogTexts::tr("Erkannt: %1, %2")
                               .arg(encodingCaption(codePage), delimiterCaption(delimiter)));
}

void TextImportDialog::readPreview(const LoadOptions &options) {
    const DelimitedTextPreview preview =
        QXLSImporter::previewDelimitedText(path, options, previewRows, previewColumns);
    if (options.csvCodePage == 0 && preview.codePage != 0) {
        // The first reading detects; choosing the detected values reads the
        // same, so the combo boxes are set without reading again.
        const QSignalBlocker blockEncoding(encodingCombo);
        const QSignalBlocker blockDelimiter(delimiterCombo);
        selectDetected(preview.codePage, preview.delimiter);
    }
    previewTable->clear();
    previewTable->setRowCount(int(preview.rows.size()));
    previewTable->setColumnCount(preview.columnCount);
    for (int row = 0; row < int(preview.rows.size()); ++row)
        for (int column = 0; column < preview.columnCount; ++column)
            previewTable->setItem(row, column, new QTableWidgetItem(preview.rows[row][column]));
    previewTable->resizeColumnsToContents();

    problemLabel->setText(
        preview.loaded ? QString() : importFailureReason(preview.errorCode, preview.errorLine));
    problemLabel->setVisible(!preview.loaded);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(preview.loaded);
}
