// Times what a person waits for in the window: from the file chosen to its
// first page of labels painted in the preview, for each file named. Each run
// opens the file in a fresh window (settings in a temporary folder, so the
// user's stay untouched); a delimited text file's import dialog is accepted
// as it opens. Prints the median of the runs after one warm-up, in ms.
//
// Usage: bench_opentofirstpage [--runs N] FILE...

#include "app/MainWindow.h"
#include "pages/QPagePreview.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// Accepts the first modal dialog that opens (the delimited text import).
void acceptDialogWhenShown() {
    QTimer::singleShot(0, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->accept();
    });
}

// Milliseconds from openFile to the preview's first page painted; -1 when
// the file did not open.
double openToFirstPage(const QString &path) {
    MainWindow window;
    window.show();
    QApplication::processEvents();
    auto *preview = window.findChild<QPagePreview *>(QStringLiteral("pagePreview"));
    acceptDialogWhenShown();
    QElapsedTimer timer;
    timer.start();
    if (!window.openFile(path))
        return -1;
    preview->viewport()->repaint();
    return timer.nsecsElapsed() / 1e6;
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    qputenv("XDG_CONFIG_HOME", settingsDir.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());

    QStringList files = QApplication::arguments().mid(1);
    int runs = 5;
    if (files.size() >= 2 && files.first() == QLatin1String("--runs")) {
        runs = std::max(1, files.at(1).toInt());
        files = files.mid(2);
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "Usage: bench_opentofirstpage [--runs N] FILE...\n");
        return 2;
    }
    for (const QString &path : files) {
        QList<double> times;
        for (int run = 0; run <= runs; ++run) {
            const double ms = openToFirstPage(path);
            if (ms < 0) {
                std::fprintf(stderr, "%s: not opened\n", qPrintable(path));
                return 1;
            }
            if (run > 0) // the first run warms the caches up
                times << ms;
        }
        std::printf("%s\t%.1f ms (median of %d)\n", qPrintable(path), median(times), runs);
    }
    return 0;
}
