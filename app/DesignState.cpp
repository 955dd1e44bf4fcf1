#include "app/DesignState.h"

#include "app/Settings.h"
#include "pages/LabelJob.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// The context these texts are filed under in the translation.
struct DesignStateTexts {
    Q_DECLARE_TR_FUNCTIONS(DesignState)
};

// A design file is small; anything far larger is no design file.
constexpr qint64 maximumDesignBytes = 64 * 1024 * 1024;

QPushButton *newButton(const char *name, const QString &text) {
    auto *button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    return button;
}

QString fileFilter() {
    return DesignStateTexts::tr("Tagomat-Gestaltung (*.tagomat);;Alle Dateien (*)");
}

} // namespace

DesignState::DesignState(QTreeWidgetItem *parent, QWidget *window)
    : QObject(window), window(window), current(Settings().design()) {
    setObjectName(QStringLiteral("designState"));
    auto *row = new QTreeWidgetItem(parent, {DesignStateTexts::tr("Gestaltung"), QString()});
    parent->treeWidget()->setItemWidget(row, 1, buildRow());
}

QWidget *DesignState::buildRow() {
    auto *row = new QWidget;
    auto *layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton *edit = newButton("designEditButton", DesignStateTexts::tr("Gestalten..."));
    QPushButton *open = newButton("designOpenButton", DesignStateTexts::tr("Öffnen..."));
    QPushButton *save = newButton("designSaveButton", DesignStateTexts::tr("Speichern..."));
    open->setToolTip(
        DesignStateTexts::tr("Gestaltung öffnen: Bogen, Schrift, Beschriftung, Bilder, Code und "
                             "Farben aus einer .tagomat-Datei"));
    save->setToolTip(DesignStateTexts::tr(
        "Gestaltung speichern: alles, was das Etikett ausmacht, samt Bildern"));
    auto *presets = new QToolButton;
    presets->setObjectName(QStringLiteral("designPresetButton"));
    presets->setText(DesignStateTexts::tr("Mitgelieferte"));
    presets->setToolTip(DesignStateTexts::tr("Gestaltungen, die Tagomat mitbringt"));
    presets->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(presets);
    const QList<DesignPreset> all = designPresets();
    for (qsizetype i = 0; i < all.size(); ++i)
        menu->addAction(all.at(i).name, this, [this, i] { openPreset(i); });
    presets->setMenu(menu);
    layout->addWidget(edit, 0, 0);
    layout->addWidget(presets, 0, 1);
    layout->addWidget(open, 1, 0);
    layout->addWidget(save, 1, 1);
    connect(edit, &QPushButton::clicked, this, &DesignState::editRequested);
    connect(open, &QPushButton::clicked, this, &DesignState::askToOpen);
    connect(save, &QPushButton::clicked, this, &DesignState::askToSave);
    return row;
}

void DesignState::setEdited(const SavedDesign &edited) {
    current.font = edited.font;
    current.look = edited.look;
    current.codeKind = edited.codeKind;
    current.codeTemplate = edited.codeTemplate;
    current.vCardCaptions = edited.vCardCaptions;
    current.categoryCaption = edited.categoryCaption;
    current.sortCaptions = edited.sortCaptions;
    Settings().setDesign(current);
    emit changed();
}

LabelChoice withDesignColumns(LabelChoice choice, const SavedDesign &design,
                              const QStringList &captions) {
    const LabelChoice byCaption = design.choiceFor(captions);
    choice.code = byCaption.code;
    choice.categoryColumn = byCaption.categoryColumn;
    choice.sortKeys = byCaption.sortKeys;
    return choice;
}

void DesignState::use(const SavedDesign &design) {
    current = design;
    columnsPending = true;
    Settings().setDesign(current);
    emit opened(current);
    emit changed();
}

void DesignState::openPreset(qsizetype index) {
    const QList<DesignPreset> all = designPresets();
    if (index >= 0 && index < all.size())
        use(all.at(index).design);
}

bool DesignState::openFile(const QString &path) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(DesignStateTexts::tr("Gestaltung öffnen"),
               DesignStateTexts::tr("Die Datei „%1“ lässt sich nicht lesen: %2")
                   .arg(name, file.errorString()));
        return false;
    }
    if (file.size() > maximumDesignBytes) {
        refuse(DesignStateTexts::tr("Gestaltung öffnen"),
               DesignStateTexts::tr(
                   "Die Datei „%1“ ist mit %2 Bytes zu groß für eine Gestaltung (höchstens %3).")
                   .arg(name)
                   .arg(file.size())
                   .arg(maximumDesignBytes));
        return false;
    }
    QString reason;
    const std::optional<SavedDesign> read = readDesign(file.readAll(), &reason);
    if (!read) {
        refuse(
            DesignStateTexts::tr("Gestaltung öffnen"),
            DesignStateTexts::tr("Die Gestaltung „%1“ wurde nicht geöffnet: %2").arg(name, reason));
        return false;
    }
    use(*read);
    return true;
}

bool DesignState::saveFile(const QString &path) {
    const QString list = openListPath ? openListPath() : QString();
    if (!list.isEmpty() && QFileInfo(list) == QFileInfo(path)) {
        refuse(DesignStateTexts::tr("Gestaltung speichern"),
               DesignStateTexts::tr(
                   "„%1“ ist die geöffnete Liste; die Gestaltung wird nicht darüber geschrieben.")
                   .arg(QFileInfo(path).fileName()));
        return false;
    }
    QSaveFile file(path);
    const QByteArray bytes = writeDesign(windowDesign ? windowDesign() : current);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        refuse(DesignStateTexts::tr("Gestaltung speichern"),
               DesignStateTexts::tr("„%1“ konnte nicht geschrieben werden: %2")
                   .arg(QFileInfo(path).fileName(), file.errorString()));
        return false;
    }
    return true;
}

void DesignState::check(const LabelJob &job) {
    found = job.designProblems();
}

void DesignState::refuse(const QString &title, const QString &reason) {
    // Window-modal and opened without waiting, as the import's failures are.
    auto *message = new QMessageBox(QMessageBox::Warning, title, reason, QMessageBox::Ok, window);
    message->setObjectName(QStringLiteral("designRefusedMessage"));
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->setWindowModality(Qt::WindowModal);
    message->open();
}

// Designs are usually kept beside the lists they were made for.
QString DesignState::startFolder() const {
    const QString list = openListPath ? openListPath() : QString();
    return list.isEmpty() ? QDir::homePath() : QFileInfo(list).absolutePath();
}

void DesignState::askToOpen() {
    const QString path = QFileDialog::getOpenFileName(
        window, DesignStateTexts::tr("Gestaltung öffnen"), startFolder(), fileFilter());
    if (!path.isEmpty())
        openFile(path);
}

void DesignState::askToSave() {
    QString path = QFileDialog::getSaveFileName(
        window, DesignStateTexts::tr("Gestaltung speichern"), startFolder(), fileFilter());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".tagomat");
    saveFile(path);
}
