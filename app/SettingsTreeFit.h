#pragma once

class QTreeWidget;

// The settings tree holds widgets in its rows (combo boxes, spin boxes,
// buttons, the label text lines). These keep them whole and on their rows.

// Fits the caption column to the captions and lays the row widgets out
// again: a row that changed its height (the label text's example) moves the
// widgets of the rows below it along.
void refitSettingsTree(QTreeWidget &tree);

// The width at which every caption and every row widget shows whole: the
// caption column plus the widest widget beside a caption, or the widest
// widget across a row, with the frame and a vertical scroll bar.
int settingsTreeWidth(QTreeWidget &tree);
