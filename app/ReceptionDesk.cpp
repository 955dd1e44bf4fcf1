#include "app/ReceptionDesk.h"

#include "pages/LabelTemplate.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTreeWidget>

namespace {

// The context these texts are filed under in the translation.
struct ReceptionDeskTexts {
    Q_DECLARE_TR_FUNCTIONS(ReceptionDesk)
};

QPushButton *newButton(const char *name, const char *caption) {
    auto *button = new QPushButton(ReceptionDeskTexts::tr(caption));
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QLineEdit *newField(const QString &name) {
    auto *field = new QLineEdit;
    field->setObjectName(name);
    return field;
}

QString labelText(const LabelEntry &label) {
    return (QStringList{label.name} + label.moreLines).join(QLatin1Char('\n'));
}

// "13:05" today, with the date on another day.
QString timeText(const QDateTime &time) {
    const bool today = time.date() == QDate::currentDate();
    return time.toString(today ? QStringLiteral("HH:mm") : QStringLiteral("dd.MM. HH:mm"));
}

QString printedAt(const QDateTime &time) {
    return ReceptionDeskTexts::tr("gedruckt %1").arg(timeText(time));
}

QString printerDescription(const QPrinter &printer) {
    return printer.outputFormat() == QPrinter::PdfFormat
               ? ReceptionDeskTexts::tr("Drucker: PDF-Datei %1").arg(printer.outputFileName())
               : ReceptionDeskTexts::tr("Drucker: %1").arg(printer.printerName());
}

} // namespace

ReceptionDesk::ReceptionDesk(QWidget *parent)
    : QDialog(parent), printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("receptionDesk"));
    setWindowTitle(ReceptionDeskTexts::tr("Empfang"));
    auto *column = new QVBoxLayout(this);
    buildSearch();
    buildLateForm();
    buildCorrectionForm();
    column->addWidget(searchEdit);
    column->addWidget(peopleList, 1);
    column->addLayout(buildButtons());
    column->addWidget(printerLabel);
    column->addWidget(lateForm);
    column->addWidget(correctionForm);
    column->addWidget(infoLabel);
    resize(720, 640);

    choosePrinter = [this](QPrinter &chosen) {
        QPrintDialog dialog(&chosen, this);
        dialog.setWindowTitle(ReceptionDeskTexts::tr("Drucker für den Empfang"));
        return dialog.exec() == QDialog::Accepted;
    };
    confirmReprint = [this](const QString &label, const QDateTime &printed) {
        QMessageBox box(QMessageBox::Question, ReceptionDeskTexts::tr("Nochmals drucken?"),
                        ReceptionDeskTexts::tr("„%1“ wurde schon gedruckt (%2). Nochmals drucken?")
                            .arg(label, timeText(printed)),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    askExportPath = [this] {
        return QFileDialog::getSaveFileName(
            this, ReceptionDeskTexts::tr("Empfangsliste exportieren"), QString(),
            ReceptionDeskTexts::tr("CSV-Dateien (*.csv)"));
    };
}

ReceptionDesk::~ReceptionDesk() = default;

void ReceptionDesk::buildSearch() {
    searchEdit = newField(QStringLiteral("deskSearchEdit"));
    searchEdit->setPlaceholderText(ReceptionDeskTexts::tr("Name suchen, Eingabetaste druckt"));
    QFont large = searchEdit->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    searchEdit->setFont(large);
    searchEdit->installEventFilter(this);
    connect(searchEdit, &QLineEdit::textChanged, this, [this] { fillList(); });
    connect(searchEdit, &QLineEdit::returnPressed, this, [this] {
        if (chosenPerson() >= 0)
            printPerson(chosenPerson());
    });

    peopleList = new QTreeWidget;
    peopleList->setObjectName(QStringLiteral("deskPeopleList"));
    peopleList->setHeaderLabels(
        {ReceptionDeskTexts::tr("Etikett"), ReceptionDeskTexts::tr("Status")});
    peopleList->setRootIsDecorated(false);
    peopleList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(peopleList, &QTreeWidget::itemActivated, this, [this] { printPerson(chosenPerson()); });
    infoLabel = new QLabel;
    infoLabel->setObjectName(QStringLiteral("deskInfoLabel"));
    infoLabel->setWordWrap(true);
}

QHBoxLayout *ReceptionDesk::buildButtons() {
    auto *row = new QHBoxLayout;
    QPushButton *print =
        newButton("deskPrintButton", QT_TRANSLATE_NOOP("ReceptionDesk", "Drucken"));
    QPushButton *late =
        newButton("deskLateButton", QT_TRANSLATE_NOOP("ReceptionDesk", "Nachmeldung..."));
    QPushButton *correct =
        newButton("deskCorrectButton", QT_TRANSLATE_NOOP("ReceptionDesk", "Korrigieren..."));
    undoButton = newButton("deskUndoButton", QT_TRANSLATE_NOOP("ReceptionDesk", "Rückgängig"));
    QPushButton *exportButton = newButton(
        "deskExportButton", QT_TRANSLATE_NOOP("ReceptionDesk", "Empfangsliste exportieren..."));
    QPushButton *pick =
        newButton("deskPrinterButton", QT_TRANSLATE_NOOP("ReceptionDesk", "Drucker wählen..."));
    printerLabel = new QLabel(ReceptionDeskTexts::tr("Drucker: noch nicht gewählt"));
    printerLabel->setObjectName(QStringLiteral("deskPrinterLabel"));
    for (QWidget *widget :
         std::initializer_list<QWidget *>{print, late, correct, undoButton, exportButton, pick})
        row->addWidget(widget);
    connect(print, &QPushButton::clicked, this, [this] {
        if (chosenPerson() >= 0)
            printPerson(chosenPerson());
    });
    connect(late, &QPushButton::clicked, this, [this] {
        fillLateFields();
        lateForm->show();
        if (!lateFields.isEmpty())
            lateFields.first()->setFocus();
    });
    connect(correct, &QPushButton::clicked, this, &ReceptionDesk::openCorrection);
    connect(undoButton, &QPushButton::clicked, this, &ReceptionDesk::undo);
    auto *undoKey = new QShortcut(QKeySequence::Undo, this);
    undoKey->setObjectName(QStringLiteral("deskUndoShortcut"));
    connect(undoKey, &QShortcut::activated, this, &ReceptionDesk::undo);
    connect(exportButton, &QPushButton::clicked, this, &ReceptionDesk::exportList);
    connect(pick, &QPushButton::clicked, this, &ReceptionDesk::pickPrinter);
    return row;
}

void ReceptionDesk::buildLateForm() {
    lateForm = new QGroupBox(ReceptionDeskTexts::tr("Nachmeldung"));
    lateForm->setObjectName(QStringLiteral("deskLateForm"));
    auto *form = new QFormLayout(lateForm);
    auto *row = new QHBoxLayout;
    QPushButton *print =
        newButton("deskLatePrintButton", QT_TRANSLATE_NOOP("ReceptionDesk", "Nachmeldung drucken"));
    QPushButton *cancel =
        newButton("deskLateCancelButton", QT_TRANSLATE_NOOP("ReceptionDesk", "Abbrechen"));
    row->addWidget(print);
    row->addWidget(cancel);
    form->addRow(row);
    connect(print, &QPushButton::clicked, this, &ReceptionDesk::printLate);
    connect(cancel, &QPushButton::clicked, lateForm, &QWidget::hide);
    lateForm->hide();
}

void ReceptionDesk::buildCorrectionForm() {
    correctionForm = new QGroupBox(ReceptionDeskTexts::tr("Korrigieren"));
    correctionForm->setObjectName(QStringLiteral("deskCorrectionForm"));
    auto *form = new QFormLayout(correctionForm);
    for (int line = 1; line <= LabelTemplate::maximumLines; ++line) {
        correctionLines << newField(QStringLiteral("deskCorrectionLine%1").arg(line));
        form->addRow(ReceptionDeskTexts::tr("Zeile %1").arg(line), correctionLines.last());
        connect(correctionLines.last(), &QLineEdit::returnPressed, this,
                &ReceptionDesk::printCorrection);
    }
    auto *row = new QHBoxLayout;
    QPushButton *print = newButton("deskCorrectionPrintButton",
                                   QT_TRANSLATE_NOOP("ReceptionDesk", "Korrektur drucken"));
    QPushButton *cancel =
        newButton("deskCorrectionCancelButton", QT_TRANSLATE_NOOP("ReceptionDesk", "Abbrechen"));
    row->addWidget(print);
    row->addWidget(cancel);
    form->addRow(row);
    connect(print, &QPushButton::clicked, this, &ReceptionDesk::printCorrection);
    connect(cancel, &QPushButton::clicked, correctionForm, &QWidget::hide);
    correctionForm->hide();
}

void ReceptionDesk::setList(const QString &listPath, const ImportedTable &table,
                            const QStringList &captions, const LabelChoice &choice) {
    const QStringList before = people.captions();
    people.setList(listPath, table, captions, choice);
    if (captions != before)
        fillLateFields();
    lateForm->hide();
    correctionForm->hide();
    // A list of thousands takes a while to show: only while the desk is open.
    listStale = !isVisible();
    if (!listStale)
        fillList();
}

void ReceptionDesk::showEvent(QShowEvent *event) {
    if (listStale)
        fillList();
    listStale = false;
    QDialog::showEvent(event);
}

void ReceptionDesk::showDesk() {
    show();
    raise();
    activateWindow();
    searchEdit->setFocus();
    searchEdit->selectAll();
}

void ReceptionDesk::fillLateFields() {
    auto *form = qobject_cast<QFormLayout *>(lateForm->layout());
    // The field rows go; the button row stays last.
    while (form->rowCount() > 1)
        form->removeRow(0);
    lateFields.clear();
    const QStringList &captions = people.captions();
    for (int column = 0; column < captions.size(); ++column) {
        lateFields << newField(QStringLiteral("deskLateField%1").arg(column + 1));
        form->insertRow(column, columnName(captions, column), lateFields.last());
        connect(lateFields.last(), &QLineEdit::returnPressed, this, &ReceptionDesk::printLate);
    }
}

void ReceptionDesk::fillList() {
    const qsizetype keep = chosenPerson();
    peopleList->clear();
    QTreeWidgetItem *current = nullptr;
    for (qsizetype index : people.find(searchEdit->text())) {
        QStringList status;
        if (const std::optional<QDateTime> printed = people.markOf(index))
            status << printedAt(*printed);
        if (people.people().at(index).lateIndex >= 0)
            status << ReceptionDeskTexts::tr("Nachmeldung");
        if (people.correctionOf(index))
            status << ReceptionDeskTexts::tr("korrigiert");
        auto *item = new QTreeWidgetItem(
            peopleList, {labelText(people.labelToPrint(index)), status.join(QStringLiteral(", "))});
        item->setData(0, Qt::UserRole, qlonglong(index));
        if (index == keep || !current)
            current = item;
    }
    peopleList->setCurrentItem(current);
}

qsizetype ReceptionDesk::chosenPerson() const {
    const QTreeWidgetItem *item = peopleList->currentItem();
    return item ? qsizetype(item->data(0, Qt::UserRole).toLongLong()) : -1;
}

void ReceptionDesk::moveChoice(int step) {
    const int count = peopleList->topLevelItemCount();
    if (count == 0)
        return;
    const int at = peopleList->indexOfTopLevelItem(peopleList->currentItem());
    peopleList->setCurrentItem(peopleList->topLevelItem(std::clamp(at + step, 0, count - 1)));
}

bool ReceptionDesk::eventFilter(QObject *watched, QEvent *event) {
    // Ctrl+Z in the search field takes back the last mark, not the last
    // keystroke: the key comes here instead of to the field's own undo.
    if (watched == searchEdit &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo)) {
        event->accept();
        if (event->type() == QEvent::KeyPress)
            undo();
        return true;
    }
    // Up and Down in the search field choose among the people found.
    if (watched == searchEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            moveChoice(key == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool ReceptionDesk::printPerson(qsizetype person, bool askBeforeReprint) {
    if (person < 0 || person >= people.people().size())
        return false;
    const LabelEntry label = people.labelToPrint(person);
    const std::optional<QDateTime> printed = people.markOf(person);
    if (askBeforeReprint && printed && !confirmReprint(label.name, *printed))
        return false;
    if (!ensurePrinter())
        return false;
    keepEarlierPdf();
    LabelJob job = currentJob ? currentJob() : LabelJob();
    LabelMap one;
    one.append(label);
    job.setLabels(one);
    if (job.print(*printer, 0, 0, job.printerOffset(printer->printerName())) < 1) {
        tell(ReceptionDeskTexts::tr("„%1“ wurde nicht gedruckt: das Etikett passt auf kein Blatt.")
                 .arg(label.name));
        return false;
    }
    printedSincePick = true;
    people.markPrinted(person, QDateTime::currentDateTime());
    changed(person);
    tell(ReceptionDeskTexts::tr("„%1“ gedruckt.").arg(label.name));
    searchEdit->setFocus();
    searchEdit->selectAll();
    return true;
}

bool ReceptionDesk::ensurePrinter() {
    if (!printerChosen)
        pickPrinter();
    return printerChosen;
}

void ReceptionDesk::pickPrinter() {
    if (!choosePrinter(*printer))
        return;
    printerChosen = true;
    printedSincePick = false;
    chosenPdf =
        printer->outputFormat() == QPrinter::PdfFormat ? printer->outputFileName() : QString();
    printerLabel->setText(printerDescription(*printer));
}

void ReceptionDesk::keepEarlierPdf() {
    // The first badge goes to the file chosen in the dialog; each later one
    // to the first free name beside it, so no badge replaces the one before.
    if (chosenPdf.isEmpty() || !printedSincePick || !QFileInfo::exists(chosenPdf))
        return;
    const QFileInfo chosen(chosenPdf);
    const QString suffix = chosen.suffix().isEmpty() ? QString() : u'.' + chosen.suffix();
    constexpr int mostFiles = 100000;
    for (int number = 2; number <= mostFiles; ++number) {
        const QString candidate = chosen.dir().filePath(
            QStringLiteral("%1-%2%3").arg(chosen.completeBaseName()).arg(number).arg(suffix));
        if (!QFileInfo::exists(candidate)) {
            printer->setOutputFileName(candidate);
            return;
        }
    }
}

void ReceptionDesk::printLate() {
    QStringList values;
    for (const QLineEdit *field : std::as_const(lateFields))
        values << field->text();
    const qsizetype person = people.addLateRegistration(values);
    if (person < 0) {
        tell(ReceptionDeskTexts::tr("Die Angaben ergeben kein Etikett."));
        return;
    }
    lateForm->hide();
    searchEdit->clear();
    changed(person);
    printPerson(person);
}

void ReceptionDesk::openCorrection() {
    correctedPerson = chosenPerson();
    if (correctedPerson < 0)
        return;
    const LabelEntry label = people.labelToPrint(correctedPerson);
    const QStringList lines = QStringList{label.name} + label.moreLines;
    for (int line = 0; line < correctionLines.size(); ++line)
        correctionLines.at(line)->setText(lines.value(line));
    correctionForm->show();
    correctionLines.first()->setFocus();
}

void ReceptionDesk::printCorrection() {
    QStringList lines;
    for (const QLineEdit *line : std::as_const(correctionLines))
        if (!isBlank(line->text()))
            lines << line->text().trimmed();
    if (lines.isEmpty() || correctedPerson < 0) {
        tell(ReceptionDeskTexts::tr("Ein Etikett braucht mindestens eine Zeile."));
        return;
    }
    people.correct(correctedPerson, lines);
    correctionForm->hide();
    changed(correctedPerson);
    // The corrected badge is what the person is waiting for: no question.
    printPerson(correctedPerson, false);
}

void ReceptionDesk::undo() {
    const qsizetype person = people.undoLastMark();
    if (person >= 0)
        tell(ReceptionDeskTexts::tr("Markierung von „%1“ zurückgenommen.")
                 .arg(people.labelToPrint(person).name));
    changed(person);
}

void ReceptionDesk::exportList() {
    const QString path = askExportPath();
    if (path.isEmpty())
        return;
    const QString list = people.record().listPath();
    if (!list.isEmpty() && QFileInfo(path).canonicalFilePath() == list) {
        tell(ReceptionDeskTexts::tr("Die Empfangsliste darf die Namensliste nicht ersetzen."));
        return;
    }
    QSaveFile file(path);
    const QByteArray csv = people.exportCsv();
    if (file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size() && file.commit())
        tell(ReceptionDeskTexts::tr("Empfangsliste gespeichert: %1")
                 .arg(QDir::toNativeSeparators(path)));
    else
        tell(ReceptionDeskTexts::tr("Die Empfangsliste konnte nicht gespeichert werden: %1")
                 .arg(file.errorString()));
}

void ReceptionDesk::tell(const QString &message) {
    infoLabel->setText(message);
}

void ReceptionDesk::changed(qsizetype personToShow) {
    fillList();
    for (int i = 0; i < peopleList->topLevelItemCount(); ++i)
        if (peopleList->topLevelItem(i)->data(0, Qt::UserRole).toLongLong() == personToShow)
            peopleList->setCurrentItem(peopleList->topLevelItem(i));
    if (!people.record().saved())
        tell(ReceptionDeskTexts::tr("Der Empfang konnte nicht gespeichert werden: %1")
                 .arg(DeskRecord::storagePath(people.record().listPath())));
    emit recordChanged();
}
