#pragma once

#include "app/MainWindow.h"
#include "import/QXLSImporter.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace windowtest {

// Keeps what the file dialog remembers (its recent folders) out of the user's
// configuration: a test program holds one of these as a static object, so it
// is in place before anything reads the settings.
class PrivateConfigHome {
public:
    PrivateConfigHome() { qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit()); }

    // A first start's settings from here on: an empty folder of their own.
    void startAfresh() {
        settingsDir = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir->path());
    }

private:
    QTemporaryDir dir;
    std::unique_ptr<QTemporaryDir> settingsDir;
};

// An importer holding a sheet given cell by cell, as a successful import of
// a workbook leaves it, so the window can be driven without a file.
class TableImporter : public QXLSImporter {
public:
    // rows.at(r).at(c) is the text of row r, column c; an empty text is a cell
    // without a value.
    TableImporter(const QString &fileName, const QList<QStringList> &rows) : QXLSImporter(nullptr) {
        int columns = 0;
        for (const QStringList &row : rows)
            columns = std::max(columns, int(row.size()));
        for (int column = 0; column < columns; ++column)
            table.insert(column, ImportedColumn());
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows.at(r).size(); ++c)
                if (!rows.at(r).at(c).isEmpty())
                    table[c].insert(r, rows.at(r).at(c));
        info.insert(QStringLiteral("NAME"), fileName);
        info.insert(QStringLiteral("ROWS"), QString::number(rows.size()));
        info.insert(QStringLiteral("COLUMNS"), QString::number(columns));
    }
};

// Captions Name, Anzahl and Name01 to Name30 with 2 each: 61 labels with the
// caption row's.
inline QList<QStringList> thirtyPairs() {
    QList<QStringList> rows{{QStringLiteral("Name"), QStringLiteral("Anzahl")}};
    for (int i = 1; i <= 30; ++i)
        rows.append(
            {QStringLiteral("Name%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("2")});
    return rows;
}

// The settings tree row with this caption, or null.
inline QTreeWidgetItem *treeRow(MainWindow *window, const QString &caption) {
    auto *tree = window->findChild<QTreeWidget *>(QStringLiteral("fileInfoTree"));
    if (!tree || tree->topLevelItemCount() == 0)
        return nullptr;
    QTreeWidgetItem *top = tree->topLevelItem(0);
    if (top->text(0) == caption)
        return top;
    for (int i = 0; i < top->childCount(); ++i)
        if (top->child(i)->text(0) == caption)
            return top->child(i);
    return nullptr;
}

inline QString treeValue(MainWindow *window, const QString &caption) {
    QTreeWidgetItem *row = treeRow(window, caption);
    return row ? row->text(1) : QStringLiteral("<no row %1>").arg(caption);
}

// The page row as read: "Seite", the page field and "/ N", e.g. "Seite 2/5".
inline QString pageLabel(MainWindow *window) {
    auto *label = window->findChild<QLabel *>(QStringLiteral("pageLabel"));
    auto *field = window->findChild<QLineEdit *>(QStringLiteral("pageEdit"));
    auto *count = window->findChild<QLabel *>(QStringLiteral("pageCountLabel"));
    if (!label || !field || !count)
        return QStringLiteral("<no page row>");
    return label->text() + QLatin1Char(' ') + field->text() +
           count->text().remove(QLatin1Char(' '));
}

// Runs handle on the modal dialog that the next blocking call opens, so tests
// can look at it and close it; handled is set once it ran.
template <typename Dialog> void whenModal(std::function<void(Dialog *)> handle, bool *handled) {
    *handled = false;
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, handle, handled, triesLeft = 500]() mutable {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog && --triesLeft > 0)
            return;
        timer->stop();
        timer->deleteLater();
        if (dialog) {
            *handled = true;
            handle(dialog);
        }
    });
    timer->start();
}

} // namespace windowtest
