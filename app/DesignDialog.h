#pragma once

#include "import/ImportedTable.h"
#include "pages/DesignFile.h"
#include "pages/LabelJob.h"
#include "pages/LabelSheet.h"
#include "pages/LabelSource.h"
#include "pages/LabelTemplate.h"

#include <QColor>
#include <QDialog>
#include <QStringList>

#include <array>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QWidget;

// What the "Gestaltung" dialog draws its example label from: the table open
// (null without one), its captions, the choice that makes its labels and the
// sheet whose label size and shape the drawing has.
struct DesignSubject {
    const ImportedTable *table = nullptr;
    QStringList captions;
    LabelChoice choice;
    LabelSheet sheet;
};

// The "Gestaltung" dialog: each line's font, style, colour and alignment, the
// pictures, the code, the colours by category and the sorting, beside a
// drawing of the list's first label (or an example) at true proportions,
// drawn by the same job that draws the preview and the print. It edits a copy
// of the design; the window takes design() when it is accepted.
class DesignDialog : public QDialog {
    Q_OBJECT

public:
    DesignDialog(const SavedDesign &start, DesignSubject subject, QWidget *parent = nullptr);

    // The design as edited: the label font (line 1's family and size), the
    // look and the code, category and sort columns by caption.
    const SavedDesign &design() const { return draft; }
    // The job the drawing shows: one label on a sheet of its own.
    const LabelJob &labelJob() const { return job; }
    // Adds a picture file as a logo; one that cannot be drawn is refused with
    // its reason in a message and changes nothing.
    bool addPicture(const QString &path);

private:
    struct LineControls {
        QFontComboBox *family = nullptr;
        QDoubleSpinBox *size = nullptr;
        QCheckBox *bold = nullptr;
        QCheckBox *italic = nullptr;
        QPushButton *colour = nullptr;
        QComboBox *alignment = nullptr;
        QCheckBox *autoSize = nullptr;
    };

    QWidget *buildLinesTab();
    QWidget *buildLineBox(int line);
    QWidget *buildPictureTab();
    QWidget *buildCodeTab();
    QWidget *buildCategoryTab();
    QWidget *buildSortTab();
    QComboBox *newCaptionCombo(const char *name) const;

    QFont lineFont(int line) const;
    void showLines();
    void readLine(int line);
    void chooseLineColour(int line);
    void showPictures();
    void showPicture();
    void readPicture();
    void removePicture();
    void askForPicture();
    void showCode();
    void readCode();
    void showCategory();
    void fillCategoryValues();
    void readCategory();
    void chooseCategoryColour(int row);
    void showSort();
    void readSort();
    void redraw();
    LabelMap exampleLabel() const;
    QString captionAt(const QComboBox *combo) const;
    void selectCaption(QComboBox *combo, const QString &caption) const;

    SavedDesign draft;
    DesignSubject subject;
    LabelJob job;
    std::array<LineControls, LabelTemplate::maximumLines> lines;
    std::array<QString, LabelTemplate::maximumLines> shownFamilies;

    QWidget *drawing = nullptr;
    QTabWidget *tabs = nullptr;
    QComboBox *pictureCombo = nullptr;
    QComboBox *placementCombo = nullptr;
    QDoubleSpinBox *pictureX = nullptr;
    QDoubleSpinBox *pictureY = nullptr;
    QDoubleSpinBox *pictureWidth = nullptr;
    QPushButton *removePictureButton = nullptr;
    QComboBox *codeKindCombo = nullptr;
    QComboBox *symbologyCombo = nullptr;
    QLineEdit *codeTemplateEdit = nullptr;
    std::array<QComboBox *, 4> vCardCombos{};
    std::array<QDoubleSpinBox *, 4> codeArea{};
    QComboBox *categoryCombo = nullptr;
    QComboBox *categoryStyleCombo = nullptr;
    QTableWidget *categoryTable = nullptr;
    std::array<QComboBox *, 2> sortColumnCombos{};
    std::array<QComboBox *, 2> sortOrderCombos{};
};
