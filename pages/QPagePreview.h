#pragma once

#include <QFont>
#include <QHash>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>

// Name text -> quantity.
using LabelMap = QHash<QString, int>;

// Shows one A4 sheet of name labels at one pixel per millimetre and owns the
// label settings and the label list that the main window fills.
class QPagePreview : public QWidget {
    Q_OBJECT

public:
    explicit QPagePreview(QWidget *parent = nullptr);

    // Sets the label size in millimetres and derives the grid from it.
    void setLabelDimensions(int width, int height);
    // Zero-based index of the last page.
    int lastPageIndex() const;

    int labelWidth = -1;
    int labelHeight = -1;
    std::int64_t labelsPerPage = 0;
    std::int64_t labelRows = 0;
    std::int64_t labelColumns = 0;
    LabelMap labels;
    QRect gridRect;
    QFont labelFont;
    QString searchText;
    int currentPage = 0;

public slots:
    void printPage();

protected:
    void paintEvent(QPaintEvent *event) override;
};
