#pragma once

#include "import/ImportedTable.h"
#include "pages/LabelTemplate.h"

#include <QObject>
#include <QStringList>

#include <array>

class QLabel;
class QLineEdit;
class QToolButton;
class QTreeWidgetItem;

// The "Beschriftung" rows of the settings tree: what a label says, in up to
// three lines of label text, each with a "+ Spalte" picker that inserts a
// column's field, and a live example of the first row's label. Line 1 is the
// name column's field until the user writes something else. The text is kept
// in the settings per set of captions, so the same list opened again prints
// the same.
class LabelTextEditor : public QObject {
    Q_OBJECT

public:
    // Adds its rows under parent, in a tree that shows widgets in column 1.
    LabelTextEditor(QTreeWidgetItem *parent, QObject *owner = nullptr);

    // A newly imported table: the text kept for its captions, else line 1
    // reads the name column. The table must outlive the editor's use of it.
    void setTable(const ImportedTable *table, const QStringList &captions, int nameColumn);
    // The name column chosen anew; line 1 follows it while it reads the name column alone.
    void setNameColumn(int column);
    // Replaces one line (0 to 2) as if the user had written it.
    void setLine(int line, const QString &text);
    QString line(int line) const;

    // The lines, trailing empty lines left off; each may hold any text.
    QStringList lines() const;
    // All lines as one text, separated by "|" (a bar in a line written "\|").
    QString text() const;
    // Replaces all lines, given as one text, as if the user had written them.
    void setText(const QString &text);
    LabelTemplate labelTemplate() const;
    // Whether the lines are still what an untouched window prints: the name column alone.
    bool isDefault() const;
    // The "Beschriftung" row its rows are under.
    QTreeWidgetItem *headingItem() const { return heading; }

signals:
    // The label text changed, by the user or by a new table.
    void changed();

private:
    void addLineRow(QTreeWidgetItem *parent, int line);
    void fillColumnPickers();
    void insertField(int line, int column);
    void showLines(const QStringList &lines);
    void userChanged();
    void updateExample();
    QString defaultText() const;

    std::array<QLineEdit *, LabelTemplate::maximumLines> lineEdits{};
    std::array<QToolButton *, LabelTemplate::maximumLines> columnPickers{};
    QTreeWidgetItem *heading = nullptr;
    QLabel *example = nullptr;
    QTreeWidgetItem *exampleRow = nullptr;
    const ImportedTable *table = nullptr;
    QStringList captions;
    int nameColumn = 0;
};
