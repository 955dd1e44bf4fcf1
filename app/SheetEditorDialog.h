#pragma once

#include "pages/LabelSheet.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class SheetDrawing;

// Defines or changes an own label sheet: maker, name, description, the kind
// (a sheet, or a label printer's roll of die-cut labels or continuous tape)
// and the geometry in millimetres (decimal commas welcome), with a drawing of
// the sheet and the reason it cannot be used, both updated as the numbers
// change. A roll has no columns, rows or margins but its orientation and the
// strips the printer cannot print on. OK is only offered for a usable sheet.
class SheetEditorDialog : public QDialog {
    Q_OBJECT

public:
    explicit SheetEditorDialog(QWidget *parent = nullptr);

    void setSheet(const LabelSheet &sheet);
    // The sheet the fields describe (lengths that do not read count as 0).
    LabelSheet sheet() const;
    // Why the fields give no usable sheet, in German; empty when they do.
    QString problem() const;

private:
    QLineEdit *addLine(const char *objectName, const QString &caption);
    QLineEdit *addLength(const char *objectName, const QString &caption);
    QSpinBox *addCount(const char *objectName, const QString &caption);
    void addRollFields();
    void refresh();

    QLineEdit *maker = nullptr;
    QLineEdit *code = nullptr;
    QLineEdit *description = nullptr;
    QLineEdit *width = nullptr;
    QLineEdit *height = nullptr;
    QLineEdit *radius = nullptr;
    QSpinBox *columns = nullptr;
    QSpinBox *rows = nullptr;
    QLineEdit *left = nullptr;
    QLineEdit *top = nullptr;
    QLineEdit *horizontalPitch = nullptr;
    QLineEdit *verticalPitch = nullptr;
    class QComboBox *kind = nullptr;
    class QCheckBox *turned = nullptr;
    QLineEdit *unprintableAcross = nullptr;
    QLineEdit *unprintableAlong = nullptr;
    // The paper of a sheet set, kept when it stays a sheet.
    Paper sheetPaper = Paper::A4;
    QLabel *problemLabel = nullptr;
    SheetDrawing *drawing = nullptr;
    QDialogButtonBox *buttons = nullptr;
    class QFormLayout *form = nullptr;
    QList<QPair<QLineEdit *, QString>> lengths; // field and caption
};
