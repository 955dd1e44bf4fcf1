#pragma once

#include "pages/DesignFile.h"
#include "pages/LabelSource.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class LabelJob;
class QTreeWidgetItem;
class QWidget;

// The choice with a design's code, category and sort columns, for a table
// with these captions; its label text and quantity column stay.
LabelChoice withDesignColumns(LabelChoice choice, const SavedDesign &design,
                              const QStringList &captions);

// The label design in use: its look, the code, category and sort columns it
// chooses by caption, and whatever else the design last opened said. It owns
// the "Gestaltung" row of the settings tree (edit, open, save, the designs
// that come with the program), reads and writes the .tagomat files, keeps the
// design between runs and knows what keeps the labels from printing as
// designed.
class DesignState : public QObject {
    Q_OBJECT

public:
    // Adds its row under parent; messages and file dialogs open over window.
    DesignState(QTreeWidgetItem *parent, QWidget *window);

    const SavedDesign &design() const { return current; }
    // Takes the look, the label font and the code, category and sort columns
    // of an edited design, and keeps them.
    void setEdited(const SavedDesign &edited);
    // Whether a list opened now takes the design's label text and columns:
    // from opening a design file or preset to the end of the run.
    bool appliesColumns() const { return columnsPending; }

    // Reads a design file and makes it the design in use. A file that cannot
    // be read, is damaged or comes from a newer version is explained in a
    // message and changes nothing.
    bool openFile(const QString &path);
    // Writes what windowDesign answers as a design file, never over the list
    // that is open; a failure is explained in a message.
    bool saveFile(const QString &path);
    // Makes one of designPresets() the design in use.
    void openPreset(qsizetype index);

    // What keeps the job's labels from printing as designed, kept for the
    // status line until the next check.
    void check(const LabelJob &job);
    const QStringList &problems() const { return found; }

    // The window's sheet, font, label text and columns as a design, for saving.
    std::function<SavedDesign()> windowDesign;
    // The list that is open, which a design file must not replace.
    std::function<QString()> openListPath;

signals:
    // The look or the columns the design chooses changed.
    void changed();
    // A design file or preset was opened: the window takes its sheet, font,
    // label text and columns.
    void opened(const SavedDesign &design);
    // "Gestalten..." was clicked.
    void editRequested();

private:
    QWidget *buildRow();
    QString startFolder() const;
    void askToOpen();
    void askToSave();
    void use(const SavedDesign &design);
    void refuse(const QString &title, const QString &reason);

    QWidget *window;
    SavedDesign current;
    bool columnsPending = false;
    QStringList found;
};
