// Times what a person waits for in the window: from the file chosen to its
// first page of labels painted in the preview, for each file named. A
// delimited text file is two waits: until its import dialog shows, and from
// OK to the first page. Each run opens the file in a fresh window (settings
// in a temporary folder, so the user's stay untouched). Prints the medians
// of the runs after one warm-up, in ms.
//
// Usage: bench_opentofirstpage [--runs N] FILE...

#include "app/MainWindow.h"
#include "import/ProcessHeap.h"
#include "pages/QPagePreview.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

// What a person waits for: until the import dialog of a delimited text file
// shows (0 for other files), and from its OK (or the file chosen) to the
// first page painted.
struct Waits {
    double untilDialog = 0;
    double untilFirstPage = 0;
};

// Milliseconds of each wait; nothing when the file did not open. A dialog
// that opens is accepted at once.
std::optional<Waits> openToFirstPage(const QString &path) {
    MainWindow window;
    window.show();
    QApplication::processEvents();
    auto *preview = window.findChild<QPagePreview *>(QStringLiteral("pagePreview"));
    QElapsedTimer timer;
    qint64 dialogShownAt = 0;
    // Only the import dialog is accepted: a long load shows its progress
    // dialog, which is no wait of the person's before the import.
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->objectName() == QLatin1String("textImportDialog")) {
            dialogShownAt = timer.nsecsElapsed();
            watch.stop();
            dialog->accept();
        }
    });
    watch.start();
    timer.start();
    if (!window.openFile(path))
        return std::nullopt;
    preview->viewport()->repaint();
    return Waits{dialogShownAt / 1e6, (timer.nsecsElapsed() - dialogShownAt) / 1e6};
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char **argv) {
    tuneHeapForOneImport(); // as the program's own main() does
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
        QList<double> untilDialog;
        QList<double> untilFirstPage;
        for (int run = 0; run <= runs; ++run) {
            const std::optional<Waits> waits = openToFirstPage(path);
            if (!waits) {
                std::fprintf(stderr, "%s: not opened\n", qPrintable(path));
                return 1;
            }
            if (run == 0) // the first run warms the caches up
                continue;
            untilDialog << waits->untilDialog;
            untilFirstPage << waits->untilFirstPage;
        }
        std::printf("%s\t%.1f ms to the first page\t%.1f ms to the import dialog (median of %d)\n",
                    qPrintable(path), median(untilFirstPage), median(untilDialog), runs);
    }
    return 0;
}
