#pragma once

#include "pages/LabelSheet.h"

#include <QWidget>

// A small drawing of a label sheet: the paper and every label's outline (for
// a roll the label as it is fed, and where the printer prints on it),
// scaled to the widget. Shows nothing but the paper for an invalid sheet.
class SheetDrawing : public QWidget {
    Q_OBJECT

public:
    explicit SheetDrawing(QWidget *parent = nullptr);
    void setSheet(const LabelSheet &sheet);
    const LabelSheet &sheet() const { return shown; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    LabelSheet shown;
};
