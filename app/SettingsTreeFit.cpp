#include "app/SettingsTreeFit.h"

#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace {

int depthOf(const QTreeWidgetItem *item) {
    int depth = 0;
    for (const QTreeWidgetItem *up = item->parent(); up; up = up->parent())
        ++depth;
    return depth;
}

} // namespace

void refitSettingsTree(QTreeWidget &tree) {
    // Measured with every group open, so that opening one cuts none of its captions.
    QList<QTreeWidgetItem *> closed;
    {
        const QSignalBlocker quiet(tree);
        for (QTreeWidgetItemIterator it(&tree); *it; ++it)
            if ((*it)->childCount() > 0 && !(*it)->isExpanded())
                closed << *it;
        for (QTreeWidgetItem *group : closed)
            group->setExpanded(true);
        tree.resizeColumnToContents(0);
        for (QTreeWidgetItem *group : closed)
            group->setExpanded(false);
    }
    tree.doItemsLayout();
}

int settingsTreeWidth(QTreeWidget &tree) {
    const int indentation = tree.indentation();
    int beside = 0; // widest widget in the value column
    int across = 0; // widest row spanning both columns
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        QTreeWidgetItem *item = *it;
        if (item->isFirstColumnSpanned()) {
            if (const QWidget *widget = tree.itemWidget(item, 0))
                across = std::max(across,
                                  indentation * (depthOf(item) + 1) + widget->sizeHint().width());
        } else if (const QWidget *widget = tree.itemWidget(item, 1)) {
            beside = std::max(beside, widget->sizeHint().width());
        }
    }
    const int rows = std::max(tree.columnWidth(0) + beside, across);
    const int scrollBar = tree.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &tree);
    return rows + 2 * tree.frameWidth() + scrollBar;
}
