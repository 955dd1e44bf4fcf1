#pragma once

#include "app/DeskList.h"
#include "pages/LabelJob.h"

#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTreeWidget;

// The reception desk: a large search field over the people of the list, and
// Return prints the chosen person's badge at once on the printer chosen for
// the desk and marks them "gedruckt" with the time. Late registrations and
// corrected labels print the same way. What it marks, registers and corrects
// its DeskList keeps; the window hands it the list and the label job.
class ReceptionDesk : public QDialog {
    Q_OBJECT

public:
    explicit ReceptionDesk(QWidget *parent = nullptr);
    ~ReceptionDesk() override;

    // The list to check people in from, as the window's label choice makes it.
    void setList(const QString &listPath, const ImportedTable &table, const QStringList &captions,
                 const LabelChoice &choice);
    const DeskList &list() const { return people; }
    // Shows the desk with the search field ready for the first name.
    void showDesk();

    // The window's label job: the font, sheet, design and start position a
    // badge prints with.
    std::function<LabelJob()> currentJob;
    // Chooses the desk's printer once (the print dialog); false when cancelled.
    std::function<bool(QPrinter &)> choosePrinter;
    // Asks whether to print again the badge of a person (named by the
    // label's first line) printed before; default No.
    std::function<bool(const QString &label, const QDateTime &printed)> confirmReprint;
    // The file to export the list to; empty when cancelled.
    std::function<QString()> askExportPath;

signals:
    // A mark, late registration or correction was made or taken back.
    void recordChanged();

private:
    void buildSearch();
    QHBoxLayout *buildButtons();
    void buildLateForm();
    void buildCorrectionForm();
    void fillList();
    void fillLateFields();
    qsizetype chosenPerson() const;
    void moveChoice(int step);
    // Prints a person's badge, after asking when it was printed before.
    bool printPerson(qsizetype person, bool askBeforeReprint = true);
    bool ensurePrinter();
    // With PDF output, points the printer at a file no earlier badge is in.
    void keepEarlierPdf();
    void pickPrinter();
    void printLate();
    void openCorrection();
    void printCorrection();
    void undo();
    void exportList();
    void tell(const QString &message);
    void changed(qsizetype personToShow);
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

    DeskList people;
    std::unique_ptr<QPrinter> printer;
    bool printerChosen = false;
    // The PDF file chosen for the desk, empty for a printer.
    QString chosenPdf;
    bool printedSincePick = false;
    QLineEdit *searchEdit = nullptr;
    QTreeWidget *peopleList = nullptr;
    QLabel *printerLabel = nullptr;
    QLabel *infoLabel = nullptr;
    QPushButton *undoButton = nullptr;
    QGroupBox *lateForm = nullptr;
    QList<QLineEdit *> lateFields;
    QGroupBox *correctionForm = nullptr;
    QList<QLineEdit *> correctionLines;
    qsizetype correctedPerson = -1;
    // The list changed while the desk was closed; filled when it opens.
    bool listStale = false;
};
