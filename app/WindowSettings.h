#pragma once

#include <QByteArray>
#include <QFont>
#include <QSize>
#include <QString>

// What the window keeps between runs, in the "window" group of Settings: read
// in the window's constructor and written when it closes. A default-made one
// holds the first start's values.
struct WindowSettings {
    int labelWidthMm = 100;
    int labelHeightMm = 10;
    QFont labelFont;
    bool skipCaptionRow = false;
    // Equal labels one entry ("Gleiche Etiketten zusammenfassen").
    bool mergeEqualLabels = true;
    // The folder of the last import; empty before the first.
    QString lastFolder;
    QByteArray windowGeometry;
    QByteArray splitterState;
    // 0 fits the whole page; otherwise per cent of the true size.
    int zoomPercent = 0;

    WindowSettings();
};

inline constexpr int minimumLabelSizeMm = 1;
inline constexpr int maximumLabelHeightMm = 290;
inline constexpr int maximumLabelWidthMm = 200;

// Where the open-file dialog starts: the folder of the last import while it
// exists, else the user's documents folder, else the home folder.
QString importStartFolder(const QString &lastFolder);

// The window's size on a first start: about two thirds of the screen's
// available area, but never smaller than the form's own size.
QSize firstStartSize(const QSize &available, const QSize &formSize);
